#pragma once

#include "platform/MessageBoxService.h"

class QWidget;

namespace ui {

// Message boxes as real modal dialogs. A box without an owner sits over the
// active window and blocks the whole game; a box with an owner belongs to
// that window and blocks only it, so the other window can be used meanwhile.
class QtMessageBox final : public platform::MessageBoxService {
public:
    QtMessageBox() = default;
    explicit QtMessageBox(QWidget& owner) : owner_(&owner) {}

    platform::MessageBoxResult show(const QString& prompt, platform::MessageBoxButtons buttons,
                                    const QString& title) override;

private:
    QWidget* owner_ = nullptr;
};

}  // namespace ui
