// The rules of the game: the fall, the presses, the game's end and the ranking
// of its level.
#include "game/Form1.h"
#include "highscores/Module1.h"
#include "support/GameServices.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace testing_support;
using namespace platform::colours;
using std::to_string;
constexpr Qt::MouseButton kLeft = Qt::LeftButton, kRight = Qt::RightButton, kMiddle = Qt::MiddleButton;

const std::map<int, const char*> kColours{{kRed, "red"}, {kBlue, "blue"}, {kWhite, "white"}, {kLightGrey, "grey"}};
// The window between games: Start! and the clear enabled, nothing falling,
// level 0, five lives, the marker at rest.
const std::string kIdle = "gauge 0, misses 0, lives 5, marker 3120, idle";

// A main window after a first start: the load error, then the default table.
// States read as one line, so that one check covers one.
class GameRules : public ::testing::Test, protected GameServices {
protected:
    GameRules() { form.Form_Load(); }

    // "gauge 1, misses 0, lives 5, marker 2950", and ", idle" between games.
    std::string game() const
    {
        const bool idle = form.Command2.Enabled && form.Command4.Enabled && !form.Command1.Enabled &&
                          !form.Timer1.Enabled && !form.Command3[0].Visible && form.Label4.Caption == u"0";
        return "gauge " + to_string(form.gauge) + ", misses " + to_string(form.missCount) + ", lives " +
               to_string(form.Label5.Caption.count(u'■')) + ", marker " + to_string(int(form.Shape1.Top)) +
               (idle ? ", idle" : "");
    }

    // "OK white", "miss grey disabled", "red hidden"; where: "-15,-400 red".
    static std::string look(const game::CommandButton& t, bool where = false)
    {
        return (where ? to_string(int(t.Left)) + ',' + to_string(int(t.Top)) + ' ' : "") +
               (t.Caption.isEmpty() ? "" : t.Caption.toStdString() + " ") + kColours.at(t.BackColor) +
               (t.Enabled ? "" : " disabled") + (t.Visible ? "" : " hidden");
    }
    std::string targets() const { return look(form.Command3[0], true) + " | " + look(form.Command3[1], true); }

    std::string nameAskedFor;  // " asked level:rank" for the last game that entered the table
    highscores::Module1 table{messageBox, files, directory.path()};
    game::Form1 form{{messageBox, random, table, [this](std::uint8_t level, std::uint8_t rank) {
                          nameAskedFor = " asked " + to_string(level) + ":" + to_string(rank);
                      }}};
};

// Start! puts both targets just above the field, red for a draw below one
// half, blue from one half on. Target 1 waits at the top until target 0
// reaches the half-way line, (3870 - 405) / 2 = 1732, and falls in that same
// tick. A target respawns once its top reaches the field's bottom, 3870,
// exactly, in the colour then drawn; only one that fell untouched costs a life.
// Only a tick that finds a gauge of exactly 10 levels up, and the targets fall
// at the new speed in that tick.
TEST_F(GameRules, TargetsFallRespawnAndSpeedUpTickByTick)
{
    EXPECT_EQ(game(), kIdle);
    random = ScriptedRandom({0.4999999F, 0.5F, 0.0F, 0.99999994F});
    form.Command2_Click();
    EXPECT_EQ(targets(), "-15,-400 red | -15,-400 blue");
    // Each tick's level and targets, checked as it ends.
    const auto tick = [&](const char* after) {
        form.Timer1_Timer();
        EXPECT_EQ(form.Label4.Caption.toStdString() + ": " + targets(), after);
    };
    // The first tick moves only target 0; neither a respawn of target 0 nor
    // one twip short of the line releases target 1.
    for (const auto& [top0, after] : {std::pair{-400.0F, "0: -15,-340 red | -15,-400 blue"},
                                      {3810.0F, "0: -15,-405 red | -15,-400 blue"},
                                      {1671.0F, "0: -15,1731 red | -15,-400 blue"},
                                      {1672.0F, "0: -15,1732 red | -15,-340 blue"}}) {
        form.Command3[0].Top = top0;
        tick(after);
    }
    // A scored and a missed target leave without cost, target 1 too at the
    // bottom exactly; one twip short of it falls on.
    form.Command3 = {{{"OK", kWhite, 40, 3809}, {"miss", kLightGrey, 40, 3810, false}}};
    tick("0: 40,3869 OK white | -15,-405 blue");
    tick("0: -15,-405 red | -15,-345 blue");
    // Gauges of 9 and 11 leave level 9 as it is; each 10 raises it, the level
    // text counting on past 9, and speeds the fall up by 20 at once.
    form.Label4.Caption = QStringLiteral("9");
    for (const auto& [gauge, after] : {std::pair{9, "9: -15,-345 red | -15,-285 blue"},
                                       {11, "9: -15,-285 red | -15,-225 blue"},
                                       {10, "10: -15,-205 red | -15,-145 blue"},
                                       {10, "11: -15,-105 red | -15,-45 blue"}}) {
        form.gauge = gauge;
        tick(after);
    }
    EXPECT_EQ(game(), "gauge 0, misses 1, lives 4, marker 3120");
}

// Button, target 0 before, gauge and misses before -> the game and target 0
// after. The hit zone is the band of tops strictly between 2400 and 3240; the
// marker rests at 3120 and climbs with the gauge, but shows a full one at rest.
using Press = std::tuple<Qt::MouseButton, game::CommandButton, platform::Integer, platform::Integer, std::string>;
// clang-format off
const Press kPresses[] = {
    {kLeft, {"", kRed, 0, 2401}, 0, 0, "gauge 1, misses 0, lives 5, marker 2950 | OK white"},
    {kRight, {"", kBlue, 0, 3239}, 0, 0, "gauge 1, misses 0, lives 5, marker 2950 | OK white"},
    {kRight, {"", kRed, 0, 2400}, 0, 0, "gauge 0, misses 0, lives 5, marker 3120 | red"},
    {kRight, {"", kRed, 0, 3240}, 0, 0, "gauge 0, misses 0, lives 5, marker 3120 | red"},
    {kLeft, {"", kBlue, 0, 3000}, 0, 0, "gauge -1, misses 1, lives 4, marker 3290 | miss grey disabled"},
    // A scored target pressed again is a wrong press; missed and hidden ones take none.
    {kLeft, {"OK", kWhite, 0, 3000}, 1, 0, "gauge 0, misses 1, lives 4, marker 3120 | miss grey disabled"},
    {kLeft, {"miss", kLightGrey, 0, 3000, false}, 0, 0, "gauge 0, misses 0, lives 5, marker 3120 | miss grey disabled"},
    {kRight, {"", kRed, 0, 3000, true, false}, 0, 0, "gauge 0, misses 0, lives 5, marker 3120 | red hidden"},
    // The middle button does nothing, not even the end test that any other
    // press runs, in the zone or not.
    {kMiddle, {"", kRed, 0, 3000}, -3, 0, "gauge -3, misses 0, lives 5, marker 3120 | red"},
    {kLeft, {"", kRed, 0, 100}, -3, 0, kIdle + " | red hidden"},
    // A fifth wrong press that is also the third step down ends the game once.
    {kRight, {"", kRed, 0, 3000}, -2, 4, kIdle + " | grey disabled hidden"},
    {kLeft, {"", kRed, 0, 3000}, 9, 0, "gauge 10, misses 0, lives 5, marker 3120 | OK white"},
    {kLeft, {"", kRed, 0, 3000}, 32767, 0, "gauge 32767, misses 0, lives 5, marker -32768 | OK white"},
};
// clang-format on

TEST_F(GameRules, PressesAreJudgedAndMoveTheMarker)
{
    for (const Press& row : kPresses) {
        const auto& [button, before, gauge, misses, after] = row;
        form.Command2_Click();
        form.Command3[0] = before;
        form.gauge = gauge;
        form.missCount = misses;
        form.Command3_MouseDown(0, button);
        EXPECT_EQ(game() + " | " + look(form.Command3[0]), after) << "row " << &row - kPresses;
        form.Command1_Click();  // each press in a game of its own
    }
}

// Each game ends once, and the box shows it as it ended: nothing moves,
// nothing ends it again and closing the window changes nothing while the box
// is up. Then the window goes idle, and the next game starts clean: target 1
// live again and the marker at rest. The box shows no other ending.
TEST_F(GameRules, EachGameEndsOnceAndTheBoxShowsItAsItEnded)
{
    std::vector<std::string> seen;
    messageBox.whileOpen = [&] {
        form.GameOver();
        form.Timer1_Timer();
        form.Form_Unload();
        seen.push_back(form.Label4.Caption.toStdString() + ", " + game() + " | " + targets());
    };
    form.Command2_Click();  // at level 7 a wrong press leaves the gauge at -3; both targets are red
    form.Label4.Caption = QStringLiteral("7");
    form.Command3[1].Top = 3000;
    form.gauge = -2;
    form.Command3_MouseDown(1, kRight);
    form.Command2_Click();  // closing the window ends a running game at once and silently
    form.Form_Unload();
    EXPECT_EQ(game(), kIdle);
    form.Command2_Click();  // the fourth fall-through plays on, the fifth ends the tick too
    form.holdSecond = platform::kFalse;
    form.missCount = 3;
    form.Command3[0].Top = 3850;
    form.Timer1_Timer();
    form.Command3[0].Top = form.Command3[1].Top = 3850;
    form.Timer1_Timer();
    EXPECT_EQ(game(), kIdle) << "target 1's fall-through costs the idle window nothing";
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "7, gauge -3, misses 1, lives 4, marker 3630 | -15,-400 red | -15,3000 miss grey disabled",
                        "0, gauge 0, misses 5, lives 0, marker 3120 | -15,-405 red | -15,3850 red"}));
}

// Give Up with the levels the table shows and the level reached -> the level
// the box shows, and the level and rank the name entry is asked for. Ties go
// below the entry already there; a hand-edited table may be unordered.
TEST_F(GameRules, GiveUpShowsTheLevelAndTheTableDecidesTheRank)
{
    // clang-format off
    const std::tuple<std::array<int, 3>, int, std::string> rows[] = {
        {{10, 5, 3}, 3, "3"}, {{10, 5, 3}, 4, "4 asked 4:3"}, {{10, 5, 3}, 5, "5 asked 5:3"}, {{0, 0, 0}, 0, "0"},
        {{10, 5, 3}, 6, "6 asked 6:2"}, {{10, 5, 3}, 11, "11 asked 11:1"}, {{1, 9, 3}, 5, "5 asked 5:1"},
        {{0, 0, 0}, 1, "1 asked 1:1"}, {{0, 0, 0}, 300, "255 asked 255:1"}, {{255, 255, 255}, 300, "255"}};
    // clang-format on
    for (const auto& [shown, level, expected] : rows) {
        nameAskedFor.clear();
        for (std::size_t i = 0; i < 3; ++i)
            form.setLabel3Caption(highscores::levelLabel(i), QString::number(shown[i]));
        form.Command2_Click();
        form.Label4.Caption = QString::number(level);
        form.Command1_Click();
        EXPECT_EQ(messageBox.shown.back().toStdString() + nameAskedFor, "vorpa|GameOver\r\nLevel:" + expected);
    }
}

}  // namespace
