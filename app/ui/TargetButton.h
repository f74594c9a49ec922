#pragma once

#include "ui/GraphicalButton.h"

namespace ui {

// A falling target: a graphical button that reports every mouse button going
// down on it and nothing more. It is never held down or clicked, so a press
// that ends the game, whose release the game-over message takes, cannot leave
// it drawn pressed into the next game.
class TargetButton final : public GraphicalButton {
    Q_OBJECT
public:
    explicit TargetButton(QWidget* parent);

signals:
    void mouseDown(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace ui
