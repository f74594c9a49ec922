#include "ui/CaptionFrame.h"

#include <QPainter>

namespace ui {

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption)
{
    setAutoFillBackground(true);
}

void CaptionFrame::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int borderTop = metrics.height() / 2;
    const QRect box = rect().adjusted(0, borderTop, -1, -1);

    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(box.adjusted(1, 1, 0, 0));

    const int textLeft = 6;
    const QRect textRect(textLeft, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(textRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignCenter, caption_);
}

}  // namespace ui
