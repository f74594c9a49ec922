#pragma once

#include "platform/Units.h"

#include <QString>

namespace game {

// The properties of the main window's controls that the game reads or
// changes, with their designed values. The window draws from these.

struct CommandButton {
    QString Caption{};
    platform::Colour BackColor = platform::colours::kLightGrey;
    platform::Twips Left = 0;
    platform::Twips Top = 0;
    bool Enabled = true;
    bool Visible = true;
};

struct Label {
    QString Caption{};
};

struct Shape {
    platform::Twips Left = 0;
    platform::Twips Top = 0;
};

struct Timer {
    bool Enabled = false;
};

struct Frame {
    platform::Twips Height = 0;
};

}  // namespace game
