#include "platform/CheckedInteger.h"
#include "platform/Conversions.h"
#include "platform/RandomSource.h"
#include "platform/RunTimeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

using namespace platform;

namespace {

int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return 0;
}

constexpr int kOverflow = 6;
constexpr int kTypeMismatch = 13;

}  // namespace

TEST(CheckedInteger, ArithmeticWithinSixteenBitsIsExact)
{
    EXPECT_EQ(addChecked(32766, 1), 32767);
    EXPECT_EQ(subtractChecked(-32767, 1), -32768);
    EXPECT_EQ(multiplyChecked(170, 192), 32640);  // the largest gauge the marker formula takes
    EXPECT_EQ(multiplyChecked(170, -3), -510);
}

TEST(CheckedInteger, ArithmeticPastSixteenBitsRaisesOverflow)
{
    EXPECT_EQ(errorNumberOf([] { addChecked(32767, 1); }), kOverflow);
    EXPECT_EQ(errorNumberOf([] { subtractChecked(-32768, 1); }), kOverflow);
    EXPECT_EQ(errorNumberOf([] { multiplyChecked(170, 193); }), kOverflow);
}

TEST(RunTimeErrorReport, NamesTheErrorByNumberAndDescription)
{
    EXPECT_EQ(RunTimeError::overflow().reportText(), QStringLiteral("Run-time error '6':\n\nOverflow"));
    EXPECT_EQ(RunTimeError::typeMismatch().number(), kTypeMismatch);
}

TEST(Conversions, NumbersBecomeTextWithoutBlanks)
{
    EXPECT_EQ(numberText(255), QStringLiteral("255"));
    EXPECT_EQ(numberText(16711680), QStringLiteral("16711680"));
    EXPECT_EQ(numberText(9.0 + 1.0), QStringLiteral("10"));
    EXPECT_EQ(numberText(0), QStringLiteral("0"));
}

TEST(Conversions, TextToNumbers)
{
    EXPECT_EQ(textToDouble(QStringLiteral(" 12 ")), 12.0);
    EXPECT_EQ(textToLong(QStringLiteral("16711680")), 16711680);
    EXPECT_EQ(textToByte(QStringLiteral("255")), 255);
    EXPECT_EQ(textToByte(QStringLiteral("0")), 0);
    EXPECT_EQ(errorNumberOf([] { textToByte(QStringLiteral("256")); }), kOverflow);
    EXPECT_EQ(errorNumberOf([] { textToByte(QStringLiteral("-1")); }), kOverflow);
    EXPECT_EQ(errorNumberOf([] { textToDouble(QString()); }), kTypeMismatch);
    EXPECT_EQ(errorNumberOf([] { textToDouble(QStringLiteral("None")); }), kTypeMismatch);
}

TEST(Conversions, RoundingSendsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(roundToLong(2.5), 2);
    EXPECT_EQ(roundToLong(3.5), 4);
    EXPECT_EQ(roundToLong(-2.5), -2);
    EXPECT_EQ(roundToLong(1732.4), 1732);
    EXPECT_EQ(textToByte(QStringLiteral("0.5")), 0);
    EXPECT_EQ(errorNumberOf([] { roundToLong(2147483648.0); }), kOverflow);
    EXPECT_EQ(errorNumberOf([] { roundToLong(std::nan("")); }), kOverflow);
}

TEST(Conversions, LeadingNumberReadsOnlyTheNumberAtTheStart)
{
    EXPECT_EQ(leadingNumber(QStringLiteral("16711680")), 16711680.0);
    EXPECT_EQ(leadingNumber(QStringLiteral("  12abc")), 12.0);
    EXPECT_EQ(leadingNumber(QStringLiteral("-3.5e2x")), -350.0);
    EXPECT_EQ(leadingNumber(QStringLiteral("7e")), 7.0);
    EXPECT_EQ(leadingNumber(QStringLiteral("abc")), 0.0);
    EXPECT_EQ(leadingNumber(QStringLiteral(".")), 0.0);
    EXPECT_EQ(leadingNumber(QString()), 0.0);
}

TEST(Conversions, FirstUtf16BytesKeepsWholeCharacters)
{
    EXPECT_EQ(firstUtf16Bytes(QStringLiteral("Alexandria"), 16), QStringLiteral("Alexandr"));
    EXPECT_EQ(firstUtf16Bytes(QStringLiteral("名無しさん"), 16), QStringLiteral("名無しさん"));
    EXPECT_EQ(firstUtf16Bytes(QString(), 16), QString());
    // Eight code units would end inside the last character's surrogate pair.
    const QString sevenAndEmoji = QStringLiteral("abcdefg") + QString::fromUcs4(U"\U0001F600");
    EXPECT_EQ(firstUtf16Bytes(sevenAndEmoji, 16), QStringLiteral("abcdefg"));
}

TEST(ClockSeededRandom, DrawsStayInRangeAndSplitColoursEvenly)
{
    ClockSeededRandom random;
    int blue = 0;
    constexpr int kDraws = 20000;
    std::set<float> distinct;
    for (int i = 0; i < kDraws; ++i) {
        random.reseedFromClock();  // as often as the game does: before every draw
        const float r = random.next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        distinct.insert(r);
        blue += static_cast<int>(std::floor(r + r));
    }
    EXPECT_GT(distinct.size(), kDraws * 9 / 10) << "reseeding within one clock tick must not repeat draws";
    EXPECT_NEAR(blue, kDraws / 2, kDraws / 20);
}
