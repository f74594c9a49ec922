#include "support/GameFixture.h"

#include "platform/Units.h"

using platform::MessageBoxButtons;
using testing_support::GameFixture;
namespace colours = platform::colours;

namespace {

const QString kFiveLives = QStringLiteral("■■■■■");

bool isIdle(const game::Form1& form)
{
    return form.Command2.Enabled && form.Command4.Enabled && !form.Command1.Enabled && !form.Timer1.Enabled &&
           !form.Command3[0].Visible && !form.Command3[1].Visible;
}

bool isRunning(const game::Form1& form)
{
    return !form.Command2.Enabled && !form.Command4.Enabled && form.Command1.Enabled && form.Timer1.Enabled &&
           form.Command3[0].Visible && form.Command3[1].Visible;
}

}  // namespace

using GameLifecycle = GameFixture;

TEST_F(GameLifecycle, LoadedWindowIsIdleWithMarkerAtRest)
{
    EXPECT_EQ(form.colourCodes[0], QStringLiteral("255"));
    EXPECT_EQ(form.colourCodes[1], QStringLiteral("16711680"));
    EXPECT_EQ(form.Shape1.Left, 600);
    EXPECT_EQ(form.Shape1.Top, 3120);
    EXPECT_TRUE(isIdle(form));
    EXPECT_EQ(form.Label4.Caption, QStringLiteral("0"));
    EXPECT_EQ(form.Label5.Caption, kFiveLives);
}

TEST_F(GameLifecycle, StartPutsBothTargetsAboveTheFieldAndRuns)
{
    random = testing_support::ScriptedRandom({0.25F, 0.75F});
    form.Command2_Click();

    EXPECT_TRUE(isRunning(form));
    for (const auto& target : form.Command3) {
        EXPECT_EQ(target.Top, -400);
        EXPECT_EQ(target.Left, -15);
        EXPECT_TRUE(target.Caption.isEmpty());
        EXPECT_TRUE(target.Enabled);
    }
    EXPECT_EQ(form.Command3[0].BackColor, colours::kRed);
    EXPECT_EQ(form.Command3[1].BackColor, colours::kBlue);
    EXPECT_EQ(random.reseeds, 2) << "one reseed before each target's colour";
    EXPECT_EQ(form.speed, 60);
    EXPECT_EQ(form.holdSecond, platform::kTrue);
    EXPECT_EQ(form.missCount, 0);
}

TEST_F(GameLifecycle, ColourIsRedBelowOneHalfAndBlueFromIt)
{
    random = testing_support::ScriptedRandom({0.4999999F, 0.5F});
    form.Command2_Click();
    EXPECT_EQ(form.Command3[0].BackColor, colours::kRed);
    EXPECT_EQ(form.Command3[1].BackColor, colours::kBlue);

    form.Command1_Click();
    random = testing_support::ScriptedRandom({0.0F, 0.99999994F});
    form.Command2_Click();
    EXPECT_EQ(form.Command3[0].BackColor, colours::kRed);
    EXPECT_EQ(form.Command3[1].BackColor, colours::kBlue);
}

TEST_F(GameLifecycle, GiveUpAtOnceReportsLevelZeroAndAsksNoName)
{
    form.Command2_Click();
    form.Command1_Click();

    ASSERT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(messageBox.shown[0].prompt, QStringLiteral("GameOver\r\nLevel:0"));
    EXPECT_EQ(messageBox.shown[0].buttons, MessageBoxButtons::OkOnly);
    EXPECT_EQ(messageBox.shown[0].title, QStringLiteral("vorpa"));
    EXPECT_EQ(nameEntry.requests, 0);
    EXPECT_TRUE(isIdle(form));
    EXPECT_EQ(form.Label5.Caption, kFiveLives);
    EXPECT_FALSE(form.Command3[0].Visible || form.Command3[1].Visible);
}

TEST_F(GameLifecycle, MessageShowsTheLevelBeforeTheWindowGoesIdle)
{
    form.Command2_Click();
    form.Label4.Caption = QStringLiteral("7");
    form.gauge = 4;
    bool runningWhileOpen = false;
    messageBox.whileOpen = [this, &runningWhileOpen] {
        runningWhileOpen = form.Label4.Caption == QStringLiteral("7") && isRunning(form);
    };
    form.Command1_Click();

    EXPECT_TRUE(runningWhileOpen);
    EXPECT_EQ(messageBox.shown.at(0).prompt, QStringLiteral("GameOver\r\nLevel:7"));
    EXPECT_EQ(form.Label4.Caption, QStringLiteral("0"));
    EXPECT_EQ(form.gauge, 0);
    EXPECT_EQ(form.missCount, 0);
    EXPECT_EQ(table.finalLevel, 7);
}

TEST_F(GameLifecycle, GameOverIsNeverReentered)
{
    form.Command2_Click();
    messageBox.whileOpen = [this] { form.GameOver(); };
    form.Command1_Click();
    EXPECT_EQ(messageBox.shown.size(), 1U);
    EXPECT_FALSE(form.gameOverRunning());
}

TEST_F(GameLifecycle, LevelsPastTheTableRangeEnterItAs255)
{
    form.Command2_Click();
    form.Label4.Caption = QStringLiteral("300");
    form.Command1_Click();
    EXPECT_EQ(table.finalLevel, 255);
    EXPECT_EQ(messageBox.shown.at(0).prompt, QStringLiteral("GameOver\r\nLevel:255"));
    EXPECT_EQ(table.newRank, 1);
}

TEST_F(GameLifecycle, NextGameStartsCleanAfterAWrongPressEnding)
{
    form.Command2_Click();
    form.Command3[1].Enabled = false;  // as a wrong press leaves it
    form.Shape1.Top = 3630;            // as a gauge of -3 leaves it
    form.Command1_Click();
    EXPECT_EQ(form.Shape1.Top, 3120) << "the idle window shows the gauge at rest";

    form.Command2_Click();
    EXPECT_TRUE(form.Command3[1].Enabled) << "a new game's targets can be pressed";
}

struct RankingCase {
    int first, second, third;
    int level;
    int expectedRank;  // 0: does not enter
};

class GameOverRanking : public GameFixture, public ::testing::WithParamInterface<RankingCase> {};

TEST_P(GameOverRanking, RankFromTheLevelsShownInTheTable)
{
    const RankingCase& c = GetParam();
    showTableLevels(c.first, c.second, c.third);
    constexpr std::uint8_t kUntouched = 42;
    table.newRank = kUntouched;

    form.Command2_Click();
    form.Label4.Caption = QString::number(c.level);
    form.Command1_Click();

    if (c.expectedRank == 0) {
        EXPECT_EQ(nameEntry.requests, 0);
        EXPECT_EQ(table.newRank, kUntouched);
    } else {
        EXPECT_EQ(nameEntry.requests, 1);
        EXPECT_EQ(table.newRank, c.expectedRank);
    }
    EXPECT_EQ(table.finalLevel, c.level);
}

INSTANTIATE_TEST_SUITE_P(RankingExamples, GameOverRanking,
                         ::testing::Values(RankingCase{10, 5, 3, 3, 0}, RankingCase{10, 5, 3, 4, 3},
                                           RankingCase{10, 5, 3, 5, 3}, RankingCase{10, 5, 3, 6, 2},
                                           RankingCase{10, 5, 3, 11, 1}, RankingCase{0, 0, 0, 0, 0},
                                           RankingCase{0, 0, 0, 1, 1}, RankingCase{1, 9, 3, 5, 1}),
                         [](const ::testing::TestParamInfo<RankingCase>& info) {
                             const RankingCase& c = info.param;
                             return "table_" + std::to_string(c.first) + "_" + std::to_string(c.second) + "_" +
                                    std::to_string(c.third) + "_level_" + std::to_string(c.level);
                         });

TEST_F(GameLifecycle, NameEntryIsAskedForWithLevelAndRankAlreadySet)
{
    showTableLevels(10, 5, 3);
    int seenLevel = -1;
    int seenRank = -1;
    nameEntry.onRequest = [&] {
        seenLevel = table.finalLevel;
        seenRank = table.newRank;
    };
    form.Command2_Click();
    form.Label4.Caption = QStringLiteral("6");
    form.Command1_Click();
    EXPECT_EQ(seenLevel, 6);
    EXPECT_EQ(seenRank, 2);
}
