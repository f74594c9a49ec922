// Code page 932 through Qt's converters, which Debian's Qt takes from ICU:
// its Shift_JIS is Windows code page 932 (U+FF5E -> 81 60, U+2460 -> 87 40)
// but for three control codes, which IBM's table has trade places: ICU reads
// the byte 1A as U+001C, 1C as U+007F and 7F as U+001A, and writes them so
// back. Each stands alone in the code page, never part of a pair, so handing
// ICU the one it reads as the wanted code gives Windows' reading exactly.
#include "platform/CodePage932Converter.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {
namespace {

// The byte ICU reads as this control code.
char icuByteFor(char code)
{
    switch (code) {
        case 0x1A: return 0x7F;
        case 0x1C: return 0x1A;
        case 0x7F: return 0x1C;
        default: return code;
    }
}

// The control code ICU writes as this byte.
char16_t icuCodeFor(char16_t byte)
{
    switch (byte) {
        case 0x1A: return 0x1C;
        case 0x1C: return 0x7F;
        case 0x7F: return 0x1A;
        default: return byte;
    }
}

}  // namespace

struct CodePage932Converter::Converters {
    QStringEncoder encoder{"Shift_JIS"};
    QStringDecoder decoder{"Shift_JIS"};
};

CodePage932Converter::CodePage932Converter() : converters_(std::make_unique<Converters>()) {}

CodePage932Converter::~CodePage932Converter() = default;

QString CodePage932Converter::decode(const QByteArray& bytes)
{
    QByteArray forIcu = bytes;
    for (char& byte : forIcu)
        byte = icuByteFor(byte);
    converters_->decoder.resetState();
    return converters_->decoder.decode(forIcu);
}

QByteArray CodePage932Converter::encode(QStringView text)
{
    QString forIcu = text.toString();
    for (QChar& character : forIcu)
        character = QChar(icuCodeFor(character.unicode()));
    converters_->encoder.resetState();
    return converters_->encoder.encode(forIcu);
}

}  // namespace platform
