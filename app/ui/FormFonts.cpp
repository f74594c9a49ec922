#include "ui/FormFonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>

#include <cmath>

namespace ui {

void installFontSubstitutions()
{
    // The gothic shipped beside the program (the Windows zip has it) serves
    // where the system has no Japanese font. Only looked at where it is: the
    // font database costs start-up time and memory the moment it is asked.
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/ipagp.ttf");
    if (QFile::exists(shipped))
        QFontDatabase::addApplicationFont(shipped);
    const QString gothic = QStringLiteral("IPAPGothic");
    QFont::insertSubstitution(japaneseGothic(), gothic);
    QFont::insertSubstitution(westernSans(), gothic);
}

QFont formFont(const QString& family, double points, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    // The font's own hinting keeps strokes and advances on whole pixels, so
    // small captions stay crisp; the automatic hinter would also read dozens
    // of sample glyphs from the font file for every size.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace ui
