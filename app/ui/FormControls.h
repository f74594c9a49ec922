#pragma once

#include "platform/Units.h"

#include <QFont>
#include <QString>

class QIcon;
class QLabel;
class QPixmap;
class QWidget;

namespace ui {

// A control's designed place and size, in twips.
struct TwipsBox {
    double left, top, width, height;
};

struct LabelLook {
    QFont font;
    platform::Colour foreColor = platform::colours::kBlack;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool opaque = false;  // opaque labels fill their box with the windows' pale cyan
};

void paintBackground(QWidget& widget, platform::Colour colour);
void setForeColor(QWidget& widget, platform::Colour colour);

// A label at its designed place. A caption wider than its box is narrowed to
// fit rather than cut: some captions fill their boxes to the pixel, and a
// font that runs a little wider would cut them ("Name:" would lose its colon).
QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption, const TwipsBox& box,
                 const LabelLook& look);

// An image control at its designed place, exactly as large as its picture
// from the artwork.
QLabel* addPicture(QWidget* parent, const QString& name, const QString& resource, platform::Twips left,
                   platform::Twips top);

// The game's icon, drawn at the sizes a window's title bar and a task bar ask for.
QIcon gameIcon();

// A picture from the artwork (":/assets/level.png"), taken from its drawing
// at twice the size ("level@2x.png") on a screen that scales by more than one.
QPixmap artwork(const QString& resource);

// One of the game's own PNG pictures, read as PNG without asking every image
// plugin whether it knows the format (that would load them all).
QPixmap pngPicture(const QString& resource);

}  // namespace ui
