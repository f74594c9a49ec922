#pragma once

#include <QByteArray>
#include <QString>

// The text of hs.hsd is kept in the Japanese system code page, 932 (Shift-JIS
// as Windows writes it), so tables move between this game and that system.
namespace platform {

QString fromAnsi(const QByteArray& bytes);
QByteArray toAnsi(const QString& text);

// True when every character of the text is written and read back unchanged.
bool survivesAnsi(const QString& text);

// The text without the characters that would not be written and read back
// unchanged; the others stay as they are.
QString keepingAnsi(const QString& text);

}  // namespace platform
