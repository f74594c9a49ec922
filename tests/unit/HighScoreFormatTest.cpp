#include "highscores/HighScoreFormat.h"
#include "highscores/HighScoreTable.h"
#include "support/TableFiles.h"

#include <gtest/gtest.h>

using namespace highscores;

namespace {

const HighScoreTable kTaroHanakoJiro{HighScoreEntry{12, QStringLiteral("Taro")},
                                     HighScoreEntry{7, QStringLiteral("Hanako")},
                                     HighScoreEntry{3, QStringLiteral("Jiro")}};

// The table as "level,name" strings, so failures print readably.
std::vector<std::string> rows(const std::optional<HighScoreTable>& table)
{
    std::vector<std::string> result;
    if (table) {
        for (const HighScoreEntry& entry : *table)
            result.push_back(std::to_string(entry.level) + "," + entry.name.toStdString());
    }
    return result;
}

std::optional<HighScoreTable> parse(const char* text)
{
    return parseHighScores(QString::fromUtf8(text));
}

}  // namespace

class ReadsTheSameTable : public ::testing::TestWithParam<const char*> {};

TEST_P(ReadsTheSameTable, WhateverTheLayoutOfTheFields)
{
    EXPECT_EQ(rows(parse(GetParam())), rows(kTaroHanakoJiro));
}

INSTANTIATE_TEST_SUITE_P(Layouts, ReadsTheSameTable,
                         ::testing::Values("12,Taro\r\n7,Hanako\r\n3,Jiro\r\n",      // as written
                                           "12,Taro\r\n7,Hanako\r\n3,Jiro",          // no final CR LF
                                           "12,Taro,7,Hanako,3,Jiro\r\n",            // six fields on one line
                                           "12,Taro\n7,Hanako\r3,Jiro\n",            // bare LF and CR
                                           "  12,  Taro  \r\n7 ,Hanako\r\n 3,Jiro",  // blanks around fields
                                           "12,Taro\r\n7,Hanako\r\n3,Jiro\r\n1,Ken\r\n0,Rie\r\n",  // more lines
                                           "12,\"Taro\"\r\n7,\"Hanako\"junk\r\n3,\"Jiro"));        // quoted names

TEST(HighScoreParsing, NamesMayBeEmptyOrHoldQuotedCommas)
{
    EXPECT_EQ(rows(parse("12,\r\n7,\"Ha,na ko \"\r\n3,Jiro\r\n")),
              (std::vector<std::string>{"12,", "7,Ha,na ko ", "3,Jiro"}));
    EXPECT_EQ(rows(parse("255,Max\r\n0,Min\r\n0,\r\n")), (std::vector<std::string>{"255,Max", "0,Min", "0,"}));
}

TEST(HighScoreParsing, FailsWithoutSixFieldsOrWithALevelOutsideAByte)
{
    const char* broken[] = {
        "",                                        // empty file
        "12,Taro\r\n7,Hanako\r\n",                 // two lines
        "12,Taro\r\n7,Hanako\r\n3,",               // the sixth field never begins
        "12,Taro\r\n7,Hanako\r\n3",                // nor the fifth's comma
        "x,Taro\r\n7,Hanako\r\n3,Jiro\r\n",        // a level that is no number
        "12,Taro\r\n256,Hanako\r\n3,Jiro\r\n",     // too large for a byte
        "12,Taro\r\n7,Hanako\r\n-1,Jiro\r\n",      // negative
        "3.5,Taro\r\n7,Hanako\r\n3,Jiro\r\n",      // a fraction
        "\r\n12,Taro\r\n7,Hanako\r\n3,Jiro\r\n",   // an empty level
        "99999999999,Taro\r\n7,Ha\r\n3,Jiro\r\n",  // far too large
    };
    for (const char* text : broken)
        EXPECT_FALSE(parse(text)) << text;
}

TEST(HighScoreWriting, LinesOfLevelCommaNameCrLf)
{
    EXPECT_EQ(formatHighScores(kTaroHanakoJiro), QStringLiteral("12,Taro\r\n7,Hanako\r\n3,Jiro\r\n"));
    const HighScoreEntry none{0, QStringLiteral("None")};
    EXPECT_EQ(formatHighScores({none, none, none}).toLatin1(), testing_support::kDefaultTableBytes);
}

TEST(HighScoreWriting, AwkwardNamesAreQuotedAndReadBackExactly)
{
    const QString names[] = {QStringLiteral("Ta,ro"),
                             QStringLiteral(" Taro"),
                             QStringLiteral("Taro "),
                             QStringLiteral("Ta\"ro"),
                             QStringLiteral("名無し,さん"),
                             QStringLiteral("Ta\r\nro"),
                             QString()};
    for (const QString& name : names) {
        HighScoreTable table = kTaroHanakoJiro;
        table[1].name = name;
        EXPECT_EQ(rows(parseHighScores(formatHighScores(table))), rows(table)) << name.toStdString();
    }
    HighScoreTable table = kTaroHanakoJiro;
    table[0].name = QStringLiteral("Ta,ro");
    table[1].name = QStringLiteral("Ta\"ro");
    EXPECT_TRUE(formatHighScores(table).startsWith(QStringLiteral("12,\"Ta,ro\"\r\n7,Ta\"ro\r\n")))
        << "only names that need them get quotes";

    // The name box never lets a double quote through; should such a name turn
    // up all the same, its quotes keep it from swallowing the lines below.
    table[0].name = QStringLiteral("\"Taro");
    EXPECT_EQ(rows(parseHighScores(formatHighScores(table))).at(2), "3,Jiro");
}

TEST(HighScoreWriting, TheNameBoxTakesOnlyWhatTheFileKeeps)
{
    for (const QString& fine : {QStringLiteral("名無しさん"), QStringLiteral(" Ta,ro "), QStringLiteral("ｱｲｳ①～")})
        EXPECT_TRUE(isStorableName(fine)) << fine.toStdString();
    for (const QString& refused : {QStringLiteral("Ta\"ro"), QStringLiteral("Ta〜ro"), QStringLiteral("Tarö"),
                                   QStringLiteral("Ta\tro"), QStringLiteral("😀")})
        EXPECT_FALSE(isStorableName(refused)) << refused.toStdString();
}

TEST(HighScoreTableRank, BestRankBelowTheLevelWithTiesGoingBelow)
{
    const HighScoreLevels table{10, 5, 3};
    EXPECT_EQ(rankFor(table, 3), std::nullopt);
    EXPECT_EQ(rankFor(table, 4), 3);
    EXPECT_EQ(rankFor(table, 5), 3);
    EXPECT_EQ(rankFor(table, 6), 2);
    EXPECT_EQ(rankFor(table, 11), 1);
    EXPECT_EQ(rankFor({0, 0, 0}, 0), std::nullopt);
    EXPECT_EQ(rankFor({0, 0, 0}, 1), 1);
    EXPECT_EQ(rankFor({1, 9, 3}, 5), 1) << "a hand-edited table out of order";
    EXPECT_EQ(rankFor({1, 9, 3}, 2), std::nullopt) << "only a level above rank 3 gets in";
}

TEST(HighScoreTableRank, InsertingMovesTheRestDownAndDropsTheLast)
{
    const HighScoreEntry dan{7, QStringLiteral("Dan")};
    EXPECT_EQ(rows(insertedAt(kTaroHanakoJiro, 1, dan)), (std::vector<std::string>{"7,Dan", "12,Taro", "7,Hanako"}));
    EXPECT_EQ(rows(insertedAt(kTaroHanakoJiro, 2, dan)), (std::vector<std::string>{"12,Taro", "7,Dan", "7,Hanako"}));
    EXPECT_EQ(rows(insertedAt(kTaroHanakoJiro, 3, dan)), (std::vector<std::string>{"12,Taro", "7,Hanako", "7,Dan"}));
}
