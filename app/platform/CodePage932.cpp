#include "platform/CodePage932.h"

#include "platform/CodePage932Converter.h"

#include <algorithm>

namespace platform {
namespace {

// Printable ASCII and line ends read and write the same in the code page;
// taking them directly spares loading the converter for the tables most
// players keep.
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

// Writes text in the code page and reads it back, with one converter each
// way for as many texts as it is given.
class RoundTrip {
public:
    bool survives(QStringView text)
    {
        // Some characters (U+301C WAVE DASH) have no code of their own and
        // would come back as another one, so the round trip is what counts.
        return codePage_.decode(codePage_.encode(text)) == text;
    }

private:
    CodePage932Converter codePage_;
};

}  // namespace

QString fromCodePage932(const QByteArray& bytes)
{
    if (isPlainAscii(bytes))
        return QString::fromLatin1(bytes);
    return CodePage932Converter().decode(bytes);
}

QByteArray toCodePage932(const QString& text)
{
    if (isPlainAscii(text))
        return text.toLatin1();
    return CodePage932Converter().encode(text);
}

QString keepingCodePage932(const QString& text)
{
    if (isPlainAscii(text))
        return text;
    RoundTrip roundTrip;
    if (roundTrip.survives(text))
        return text;
    QString kept;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = characterLength(text, i);
        const QStringView character = QStringView(text).mid(i, length);
        if (roundTrip.survives(character))
            kept += character;
        i += length;
    }
    return kept;
}

}  // namespace platform
