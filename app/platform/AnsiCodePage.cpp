#include "platform/AnsiCodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {
namespace {

// Qt on Debian converts with ICU, whose Shift_JIS is Windows code page 932
// (U+FF5E -> 81 60, U+2460 -> 87 40).
constexpr const char* kCodePage = "Shift_JIS";

}  // namespace

QString fromAnsi(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

QByteArray toAnsi(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    return encoder.encode(text);
}

bool survivesAnsi(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder.encode(text);
    // Some characters (U+301C WAVE DASH) have no code of their own and would
    // come back as another one, so the round trip is what counts.
    return !encoder.hasError() && fromAnsi(bytes) == text;
}

}  // namespace platform
