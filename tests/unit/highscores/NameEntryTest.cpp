#include "HighScoreFixture.h"
#include "highscores/NameEntryLauncher.h"

using namespace testing_support;
using highscores::NameEntry;
using platform::MessageBoxResult;

// The table 10 Aki, 5 Ben, 3 Kei, loaded and shown. The rank a window shows
// plays no part in where OK puts the name.
class NameEntryOk : public HighScoreFixture {
protected:
    NameEntryOk() { load(kAkiBenKei); }
    NameEntry entryFor(std::uint8_t level) { return {table, mainWindow, messageBox, level, 0}; }

    const QByteArray kAkiBenKei = QByteArrayLiteral("10,Aki\r\n5,Ben\r\n3,Kei\r\n");
};

TEST_F(NameEntryOk, InsertsAtTheRankTheLevelEarnsWritesReloadsAndShowsTheMainWindow)
{
    const std::pair<int, Rows> cases[] = {
        {7, {"10,Aki", "7,Dan", "5,Ben"}}, {11, {"11,Dan", "10,Aki", "5,Ben"}}, {4, {"10,Aki", "5,Ben", "4,Dan"}}};
    for (const auto& [level, rows] : cases) {
        load(kAkiBenKei);
        EXPECT_TRUE(entryFor(level).Command1_Click("Dan")) << "the window closes";
        EXPECT_EQ(mainWindow.rows(), rows) << "reloaded from the file";
    }
    EXPECT_EQ(mainWindow.shows, 3);
    // Eight characters of a name are kept: sixteen bytes of UTF-16.
    entryFor(12).Command1_Click("Alexandria");
    entryFor(13).Command1_Click("名無しさん");
    EXPECT_EQ(fileBytes(), "13,\x96\xbc\x96\xb3\x82\xb5\x82\xb3\x82\xf1\r\n12,Alexandr\r\n10,Aki\r\n");
    EXPECT_EQ(messageBox.shown, Boxes{});

    // The table cannot be read back: the saved levels are shown beside no
    // names, and the file the game cannot read is left as it is.
    files.afterWrite = [this] { files.failReads = "Input/output error"; };
    EXPECT_TRUE(entryFor(14).Command1_Click("Dan"));
    EXPECT_EQ(messageBox.shown, (Boxes{kLoadError, cannotWrite("hs.hsd", "Input/output error")}));
    EXPECT_EQ(mainWindow.rows(), (Rows{"14,none", "13,none", "12,none"}));
    EXPECT_EQ(mainWindow.shows, 6);
    EXPECT_EQ(fileBytes(), "14,Dan\r\n13,\x96\xbc\x96\xb3\x82\xb5\x82\xb3\x82\xf1\r\n12,Alexandr\r\n");
}

TEST_F(NameEntryOk, KeepsItsOwnGameThroughFailedWritesAnotherGameAndAClear)
{
    NameEntry entry = entryFor(7);
    files.failWrites = "No space left on device";
    messageBox.answers = {MessageBoxResult::Ok, MessageBoxResult::Cancel};  // the write failure, the first clear
    EXPECT_FALSE(entry.Command1_Click("Dan")) << "the window stays open for another try";
    table.ClearHighScores(mainWindow);  // Cancel
    table.ClearHighScores(mainWindow);  // OK, but the write fails
    const QString noRoom = cannotWrite("hs.hsd", "No space left on device");
    EXPECT_EQ(messageBox.shown, (Boxes{noRoom, kAskClear, kAskClear, noRoom}));
    EXPECT_EQ(messageBox.asked[1], platform::MessageBoxButtons::OkCancel);
    EXPECT_EQ(fileBytes(), kAkiBenKei);
    EXPECT_EQ(memory(), (Rows{"10,Aki", "5,Ben", "3,Kei"}));
    EXPECT_EQ(mainWindow.rows(), memory());
    EXPECT_EQ(mainWindow.shows, 0);

    files.failWrites.reset();
    table.finalLevel = 99;  // another game ends meanwhile
    table.newRank = 1;
    table.ClearHighScores(mainWindow);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_EQ(mainWindow.rows(), kNoneInMemory);
    EXPECT_TRUE(entry.Command1_Click("Dan"));
    EXPECT_EQ(fileBytes(), "7,Dan\r\n0,none\r\n0,none\r\n") << "memory was cleared too; no other level";
}

// (The ranks are those of the game's end, tested there.)
TEST(NameEntryRules, CentresTruncatingTowardZero)
{
    EXPECT_EQ(highscores::centredPosition(15361, 4800), 5280) << "an odd difference drops the half twip";
    EXPECT_EQ(highscores::centredPosition(3000, 4801), -900) << "not -901";
    EXPECT_EQ(highscores::centredPosition(101.5, 0), 51) << "101.5 rounds to the even 102";
}

// Records the windows the launcher opens, as "level at rank", and each time
// the open one is brought forward.
struct FakeNameEntryWindows final : highscores::NameEntryWindows {
    void open(std::uint8_t level, std::uint8_t rank, std::function<void()> closed) override
    {
        opened.push_back(std::to_string(level) + " at " + std::to_string(rank));
        close = std::move(closed);
    }
    void bringForward() override { opened.push_back("forward"); }

    Rows opened;
    std::function<void()> close;
};

TEST_F(NameEntryOk, LaterGamesWaitAndGetAWindowIfTheyStillEnter)
{
    FakeNameEntryWindows windows;
    highscores::NameEntryLauncher launcher{table, windows};
    table.newRank = 2;
    for (const std::uint8_t level : {9, 4, 8}) {
        table.finalLevel = level;
        launcher.showNameEntry();
    }
    EXPECT_EQ(windows.opened, (Rows{"9 at 2", "forward", "forward"}));

    entryFor(9).Command1_Click("Dan");
    windows.close();  // the table is now 10, 9, 5: a game at 4 no longer enters
    EXPECT_EQ(windows.opened.back(), "8 at 3");
    table.finalLevel = 12;
    launcher.showNameEntry();
    windows.close();  // the close box: nothing saved, and the next game's turn
    EXPECT_EQ(windows.opened, (Rows{"9 at 2", "forward", "forward", "8 at 3", "forward", "12 at 1"}));
    EXPECT_EQ(fileBytes(), "10,Aki\r\n9,Dan\r\n5,Ben\r\n");
}
