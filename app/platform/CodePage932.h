#pragma once

#include <QByteArray>
#include <QString>

// The text of hs.hsd is kept in code page 932 (Shift-JIS as Windows writes
// it), so tables move between this game and a Japanese Windows system. Every
// system reads and writes its bytes alike: a byte that is no character reads
// as U+001A, a pair of bytes that names none as U+FFFD, a lead byte at the
// very end as nothing, and a character the code page lacks is written as
// FC FC.
namespace platform {

QString fromCodePage932(const QByteArray& bytes);
QByteArray toCodePage932(const QString& text);

// The text without the characters that would not be written and read back
// unchanged; the others stay as they are.
QString keepingCodePage932(const QString& text);

}  // namespace platform
