// Numbers as the game counts, reads and writes them, and names cut to size.
// (Code page 932 has a test of its own.)
#include "platform/CheckedInteger.h"
#include "platform/Conversions.h"
#include "platform/RunTimeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace platform;

namespace {

// The report of the run-time error the action raises; empty for none.
QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.reportText();
    }
    return {};
}

const QString kOverflow = QStringLiteral("Run-time error '6':\n\nOverflow");
const QString kTypeMismatch = QStringLiteral("Run-time error '13':\n\nType mismatch");

}  // namespace

TEST(Conversions, ConvertAsTheGameCountsReadsAndCutsNames)
{
    EXPECT_EQ(subtractChecked(-32767, 1), -32768);
    EXPECT_EQ(errorOf([] { addChecked(32767, 1); }), kOverflow);
    EXPECT_EQ(errorOf([] { subtractChecked(-32768, 1); }), kOverflow);
    EXPECT_EQ(textToLong(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(textToByte(QStringLiteral("0.5")), 0) << "halves go to the even neighbour";
    EXPECT_EQ(roundToLong(3.5), 4);
    EXPECT_EQ(roundToLong(-2.5), -2);
    EXPECT_EQ(roundToLong(-2147483648.0), -2147483647 - 1);
    for (const char* outOfByte : {"256", "-1"})
        EXPECT_EQ(errorOf([&] { textToByte(QString::fromLatin1(outOfByte)); }), kOverflow) << outOfByte;
    EXPECT_EQ(errorOf([] { roundToLong(2147483648.0); }), kOverflow);
    EXPECT_EQ(errorOf([] { roundToLong(std::nan("")); }), kOverflow);
    EXPECT_EQ(errorOf([] { textToDouble(QStringLiteral("None")); }), kTypeMismatch);
    EXPECT_EQ(errorOf([] { textToDouble(QString()); }), kTypeMismatch);

    // The number at the start of a text, as a colour code is read.
    const std::pair<const char*, double> leading[] = {{"  12abc", 12}, {"\t-3.5e2x", -350}, {"7e", 7}, {".5", 0.5},
                                                      {"+4.", 4},      {"abc", 0},          {".", 0},  {"", 0}};
    for (const auto& [text, number] : leading)
        EXPECT_EQ(leadingNumber(QString::fromLatin1(text)), number) << text;

    // Eight code units would end inside the emoji's surrogate pair.
    EXPECT_EQ(firstUtf16Bytes(QStringLiteral("abcdefg") + QString::fromUcs4(U"\U0001F600"), 16),
              QStringLiteral("abcdefg"));
}
