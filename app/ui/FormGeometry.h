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

// Where a window of the given outer size starts so that it sits centred on
// the screen, in twips: half the difference, the half twip dropped toward
// zero, also for a window larger than the screen.
int centredTwips(int screenTwips, int windowTwips);

// Places a widget by its designed twips, relative to its parent.
void placeInTwips(QWidget& widget, double left, double top, double width, double height);

}  // namespace ui
