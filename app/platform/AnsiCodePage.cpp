#include "platform/AnsiCodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace platform {
namespace {

// Qt on Debian converts with ICU, whose Shift_JIS is Windows code page 932
// (U+FF5E -> 81 60, U+2460 -> 87 40).
constexpr const char* kCodePage = "Shift_JIS";

// Printable ASCII and line ends read and write the same in the code page;
// taking them directly spares loading the converter for the tables most
// players keep. (The converter moves a few other control codes about.)
bool isPlainAscii(char16_t c)
{
    return (c >= 0x20 && c < 0x7F) || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isPlainAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return isPlainAscii(static_cast<unsigned char>(c)); });
}

bool isPlainAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return isPlainAscii(c.unicode()); });
}

}  // namespace

QString fromAnsi(const QByteArray& bytes)
{
    if (isPlainAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

QByteArray toAnsi(const QString& text)
{
    if (isPlainAscii(text))
        return text.toLatin1();
    QStringEncoder encoder(kCodePage);
    return encoder.encode(text);
}

bool survivesAnsi(const QString& text)
{
    if (isPlainAscii(text))
        return true;
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder.encode(text);
    // Some characters (U+301C WAVE DASH) have no code of their own and would
    // come back as another one, so the round trip is what counts.
    return !encoder.hasError() && fromAnsi(bytes) == text;
}

}  // namespace platform
