#include "ui/GraphicalButton.h"

#include "ui/FormGeometry.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace ui {

GraphicalButton::GraphicalButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setBackColor(platform::colours::kLightGrey);
}

void GraphicalButton::setBackColor(platform::Colour colour)
{
    // The same colour again, as every tick sets it, repaints nothing.
    QPalette look = palette();
    look.setColor(QPalette::Button, toQColor(colour));
    setPalette(look);
}

void GraphicalButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, palette().color(QPalette::Button));

    // Raised edge: light on the top and left, shadow on the bottom and right;
    // swapped while the button is held down.
    const bool down = isDown();
    const QColor light = down ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor shadow = down ? QColor(255, 255, 255) : QColor(128, 128, 128);
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    painter.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
    painter.setPen(shadow);
    painter.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() - QPoint(1, 1));
    painter.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() - QPoint(1, 1));
    painter.setPen(Qt::black);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());

    // A falling target repaints every tick, mostly without a caption: an
    // empty text is not laid out at all.
    if (!text().isEmpty())
        paintCaption(painter, r.translated(down ? QPoint(1, 1) : QPoint()));

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = r.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void GraphicalButton::paintCaption(QPainter& painter, const QRect& textRect)
{
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    painter.setFont(font());
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        painter.drawText(textRect, flags, text());
    } else {
        // A disabled caption looks engraved: grey, with a white shadow below.
        painter.setPen(Qt::white);
        painter.drawText(textRect.translated(1, 1), flags, text());
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(textRect, flags, text());
    }
}

}  // namespace ui
