#pragma once

#include "platform/Units.h"

#include <QColor>
#include <QRect>

class QWidget;

namespace ui {

// The on-screen colour of a stored colour value.
QColor toQColor(platform::Colour colour);

// A rectangle given in twips, in pixels.
QRect twipsRect(double left, double top, double width, double height);

// Places a widget by its designed twips, relative to its parent.
void placeInTwips(QWidget& widget, double left, double top, double width, double height);

}  // namespace ui
