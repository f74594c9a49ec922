#pragma once

#include "platform/MessageBoxService.h"

namespace ui {

// Message boxes as real modal dialogs over the active window.
class QtMessageBox final : public platform::MessageBoxService {
public:
    platform::MessageBoxResult show(const QString& prompt, platform::MessageBoxButtons buttons,
                                    const QString& title) override;
};

}  // namespace ui
