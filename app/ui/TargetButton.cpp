#include "ui/TargetButton.h"

#include <QMouseEvent>

namespace ui {

TargetButton::TargetButton(QWidget* parent) : GraphicalButton(QString(), parent) {}

void TargetButton::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseDown(event->button());
}

}  // namespace ui
