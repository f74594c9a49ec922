#include "platform/AnsiCodePage.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(AnsiCodePage, IsWindowsCodePage932AndKnowsWhatItCannotKeep)
{
    EXPECT_EQ(toAnsi(QStringLiteral("名～①ｱ\\")).toHex(' '), "96 bc 81 60 87 40 b1 5c");
    EXPECT_EQ(fromAnsi(QByteArray::fromHex("96bc81608740")), QStringLiteral("名～①"));
    EXPECT_TRUE(survivesAnsi(QStringLiteral("名無しさん Taro ～①ｱ")));
    // U+301C would come back as U+FF5E; the others have no code at all.
    for (const QString& lost : {QStringLiteral("〜"), QStringLiteral("é"), QStringLiteral("😀")})
        EXPECT_FALSE(survivesAnsi(QStringLiteral("a") + lost)) << lost.toStdString();
}

TEST(AnsiCodePage, AsciiReadsTheSameAloneAsBesideJapanese)
{
    // An all-ASCII table takes a shorter road than one with a Japanese name;
    // both must give the same characters.
    QByteArray ascii("\t\r\n");
    for (char c = ' '; c < 0x7F; ++c)
        ascii.append(c);
    const QString alone = fromAnsi(ascii);
    EXPECT_EQ(fromAnsi(ascii + QByteArray::fromHex("96bc")), alone + QStringLiteral("名"));
    EXPECT_EQ(toAnsi(alone + QStringLiteral("名")), ascii + QByteArray::fromHex("96bc"));
    EXPECT_EQ(toAnsi(alone), ascii);
}
