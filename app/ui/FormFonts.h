#pragma once

#include <QFont>
#include <QString>

namespace ui {

// The proportional Japanese gothic the windows are laid out for.
inline QString japaneseGothic()
{
    return QStringLiteral("ＭＳ Ｐゴシック");
}
inline QString westernSans()
{
    return QStringLiteral("MS Sans Serif");
}

// Maps the layout's font names to fonts this system has (IPAPGothic, drawn to
// the same metrics as the Japanese gothic).
void installFontSubstitutions();

// A font by the layout's family and point size. Sizes are fixed in pixels at
// 96 dots per inch, so the layout holds whatever the screen's DPI setting.
QFont formFont(const QString& family, double points, bool bold = false, bool italic = false);

// The Japanese gothic at a point size, the font of nearly every caption.
inline QFont gothic(double points, bool bold = false, bool italic = false)
{
    return formFont(japaneseGothic(), points, bold, italic);
}

}  // namespace ui
