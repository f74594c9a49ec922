#include "ui/FormGeometry.h"

#include <QWidget>

namespace ui {

QColor toQColor(platform::Colour colour)
{
    return {platform::redOf(colour), platform::greenOf(colour), platform::blueOf(colour)};
}

QRect twipsRect(double left, double top, double width, double height)
{
    using platform::twipsToPixels;
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

void placeInTwips(QWidget& widget, double left, double top, double width, double height)
{
    widget.setGeometry(twipsRect(left, top, width, height));
}

int centredTwips(int screenTwips, int windowTwips)
{
    return (screenTwips - windowTwips) / 2;
}

}  // namespace ui
