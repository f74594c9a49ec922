#include "ui/FormControls.h"

#include "ui/FormGeometry.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace ui {
namespace {

// Narrowed in proportion first, then further while it still does not fit: a
// font engine that emboldens each glyph (Windows') or rounds the width to
// whole pixels narrows a caption by less than asked.
QFont narrowedToFit(QFont font, const QString& caption, int width)
{
    const int needed = QFontMetrics(font).horizontalAdvance(caption);
    if (needed <= width)
        return font;
    for (int stretch = width * 100 / needed; stretch >= QFont::UltraCondensed; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(caption) <= width)
            break;
    }
    return font;
}

}  // namespace

void paintBackground(QWidget& widget, platform::Colour colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void setForeColor(QWidget& widget, platform::Colour colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    widget.setPalette(palette);
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption, const TwipsBox& box,
                 const LabelLook& look)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    placeInTwips(*label, box.left, box.top, box.width, box.height);
    label->setFont(narrowedToFit(look.font, caption, label->width()));
    label->setAlignment(look.alignment);
    label->setWordWrap(true);
    setForeColor(*label, look.foreColor);
    if (look.opaque)
        paintBackground(*label, platform::colours::kPaleCyan);
    return label;
}

QLabel* addPicture(QWidget* parent, const QString& name, const QString& resource, platform::Twips left,
                   platform::Twips top)
{
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    const QPixmap picture = artwork(resource);
    image->setPixmap(picture);
    // An image control is exactly as large as its picture.
    image->setGeometry(QRect(QPoint(platform::twipsToPixels(left), platform::twipsToPixels(top)),
                             picture.deviceIndependentSize().toSize()));
    return image;
}

QIcon gameIcon()
{
    QIcon icon;
    icon.addPixmap(pngPicture(QStringLiteral(":/assets/icon.png")));
    icon.addPixmap(pngPicture(QStringLiteral(":/assets/icon-128.png")));
    return icon;
}

QPixmap artwork(const QString& resource)
{
    if (qGuiApp->devicePixelRatio() > 1) {
        QString dense = resource;
        dense.insert(dense.lastIndexOf(u'.'), QStringLiteral("@2x"));
        QPixmap picture = pngPicture(dense);
        if (!picture.isNull()) {
            picture.setDevicePixelRatio(2);
            return picture;
        }
    }
    return pngPicture(resource);
}

QPixmap pngPicture(const QString& resource)
{
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace ui
