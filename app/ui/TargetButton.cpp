#include "ui/TargetButton.h"

#include <QMouseEvent>

namespace ui {
namespace {

int formButtonOf(Qt::MouseButton button)
{
    switch (button) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
}

}  // namespace

TargetButton::TargetButton(QWidget* parent) : GraphicalButton(QString(), parent) {}

void TargetButton::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (const int button = formButtonOf(event->button()); button != 0)
        emit mouseDown(button);
}

}  // namespace ui
