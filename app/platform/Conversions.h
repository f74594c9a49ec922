#pragma once

#include <QString>

#include <cstdint>

// Conversions between numbers and text: the level is kept as text, and the
// table's levels are read back from it.
// Failures raise a RunTimeError: "Type mismatch" for text that is no number,
// "Overflow" for a number that does not fit the target type.
namespace platform {

// Decimal text with no leading blank: 255 -> "255", 10.0 -> "10".
QString numberText(double value);

// A whole text read as a number; surrounding blanks are allowed.
double textToDouble(const QString& text);
std::int32_t textToLong(const QString& text);
std::uint8_t textToByte(const QString& text);

// Rounds to the nearest whole number with halves going to the even neighbour.
std::int32_t roundToLong(double value);

// The number at the start of a text, after blanks; 0 when there is none.
double leadingNumber(const QString& text);

// At most the first byteCount bytes of the text's UTF-16 form, never cutting
// a character that takes two code units in half.
QString firstUtf16Bytes(const QString& text, int byteCount);

}  // namespace platform
