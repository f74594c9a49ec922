// Code page 932 through Windows' own converters, with what they leave open
// (bytes that name no character, characters the code page lacks) decided as
// CodePage932.h says, so that a table shows the same names, and is kept or
// set aside alike, on every system.
#include "platform/CodePage932Converter.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <utility>

namespace platform {
namespace {

constexpr UINT kCodePage = 932;
constexpr char16_t kNoCharacter = 0x1A;   // a byte that is none, or a lead byte without its trail
constexpr char16_t kUnassigned = 0xFFFD;  // a lead and a trail byte that name no character
const QByteArray kNotInCodePage = QByteArrayLiteral("\xFC\xFC");

bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

bool isHalfWidthKatakana(unsigned char byte)
{
    return byte >= 0xA1 && byte <= 0xDF;
}

// A lead and a trail byte, or nothing when they name no character.
char16_t pairCharacter(const char* pair)
{
    wchar_t character = 0;
    return MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, pair, 2, &character, 1) == 1 ? character : kUnassigned;
}

// Characters that are never drawn (joiners, direction marks, variation
// selectors, the soft hyphen ...: Unicode's default ignorable code points)
// are written as nothing.
bool isIgnorable(char32_t c)
{
    constexpr std::pair<char32_t, char32_t> ranges[] = {
        {0x00AD, 0x00AD}, {0x034F, 0x034F},   {0x061C, 0x061C},   {0x115F, 0x1160},  {0x17B4, 0x17B5}, {0x180B, 0x180F},
        {0x200B, 0x200F}, {0x202A, 0x202E},   {0x2060, 0x206F},   {0x3164, 0x3164},  {0xFE00, 0xFE0F}, {0xFFA0, 0xFFA0},
        {0xFFF0, 0xFFF8}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF}};
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [c](const auto& range) { return c >= range.first && c <= range.second; });
}

// One character, a single code unit or a surrogate pair, in the code page;
// a character Windows would write as a single byte above ASCII that is not
// half-width katakana (80, A0, FD to FF) reads back as none, so it counts
// as missing too.
QByteArray encoded(QStringView character)
{
    const char32_t code =
        character.size() == 2 ? QChar::surrogateToUcs4(character[0], character[1]) : character[0].unicode();
    if (isIgnorable(code))
        return {};
    if (code == 0xF86F)  // a private-use form of № kept from older tables
        return QByteArrayLiteral("\x87\x82");
    char bytes[2] = {};
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t*>(character.utf16()),
                            static_cast<int>(character.size()), bytes, 2, nullptr, &usedDefault);
    const auto first = static_cast<unsigned char>(bytes[0]);
    const bool written = !usedDefault && (length == 2 || (length == 1 && isHalfWidthKatakana(first)));
    return written ? QByteArray(bytes, length) : kNotInCodePage;
}

}  // namespace

struct CodePage932Converter::Converters {};

CodePage932Converter::CodePage932Converter() = default;

CodePage932Converter::~CodePage932Converter() = default;

QString CodePage932Converter::decode(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            text += QChar(char16_t(byte));
        } else if (isHalfWidthKatakana(byte)) {
            text += QChar(char16_t(0xFF61 + (byte - 0xA1)));
        } else if (isLeadByte(byte) && i + 1 == bytes.size()) {
            break;  // cut short: it may yet be completed
        } else if (isLeadByte(byte) && isTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            text += QChar(pairCharacter(bytes.constData() + i));
            ++i;
        } else {
            text += QChar(kNoCharacter);  // a trail byte that does not fit is read on its own
        }
        ++i;
    }
    return text;
}

QByteArray CodePage932Converter::encode(QStringView text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = characterLength(text, i);
        const char16_t first = text[i].unicode();
        bytes += length == 1 && first < 0x80 ? QByteArray(1, static_cast<char>(first)) : encoded(text.mid(i, length));
        i += length;
    }
    return bytes;
}

}  // namespace platform
