#pragma once

#include "highscores/HighScoreLabels.h"

namespace highscores {

// What the name-entry window may do to the main window: refresh its table and
// bring it forward.
class MainWindowLink : public HighScoreLabels {
public:
    virtual void Show() = 0;
};

}  // namespace highscores
