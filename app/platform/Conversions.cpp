#include "platform/Conversions.h"

#include "platform/RunTimeError.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace platform {

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

double textToDouble(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw RunTimeError::typeMismatch();
    return value;
}

std::int32_t roundToLong(double value)
{
    // nearbyint follows the default rounding mode, which sends halves to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        throw RunTimeError::overflow();
    return static_cast<std::int32_t>(rounded);
}

std::int32_t textToLong(const QString& text)
{
    return roundToLong(textToDouble(text));
}

std::uint8_t textToByte(const QString& text)
{
    const std::int32_t value = textToLong(text);
    if (value < 0 || value > 255)
        throw RunTimeError::overflow();
    return static_cast<std::uint8_t>(value);
}

double leadingNumber(const QString& text)
{
    qsizetype i = 0;
    const auto digitAt = [&text](qsizetype at) {
        return at < text.size() && text[at].isDigit() && text[at].unicode() < 128;
    };
    const auto skipDigits = [&](qsizetype from) {
        while (digitAt(from))
            ++from;
        return from;
    };
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype intStart = i;
    i = skipDigits(i);
    bool hasDigits = i > intStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fracEnd = skipDigits(i + 1);
        hasDigits = hasDigits || fracEnd > i + 1;
        i = fracEnd;
    }
    if (!hasDigits)
        return 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype exp = i + 1;
        if (exp < text.size() && (text[exp] == u'+' || text[exp] == u'-'))
            ++exp;
        if (digitAt(exp))
            i = skipDigits(exp);
    }
    return QLocale::c().toDouble(text.mid(start, i - start));
}

QString firstUtf16Bytes(const QString& text, int byteCount)
{
    qsizetype units = std::min<qsizetype>(byteCount / 2, text.size());
    if (units > 0 && units < text.size() && text[units - 1].isHighSurrogate() && text[units].isLowSurrogate())
        --units;
    return text.left(units);
}

}  // namespace platform
