#include "highscores/NameEntry.h"
#include "highscores/NameEntryLauncher.h"
#include "support/HighScoreFixture.h"

using namespace testing_support;
using highscores::NameEntry;

namespace {

const QByteArray kAkiBenKei = QByteArrayLiteral("10,Aki\r\n5,Ben\r\n3,Kei\r\n");

}  // namespace

// The table 10 Aki, 5 Ben, 3 Kei, loaded and shown.
class NameEntryOk : public HighScoreFixture {
protected:
    NameEntryOk()
    {
        writeBytes(path(), kAkiBenKei);
        table.LoadHighScores(mainWindow);
    }

    // A window opened for a game that ended at the level, ranked as the end
    // of the game ranked it.
    NameEntry entryFor(std::uint8_t level)
    {
        return NameEntry(table, mainWindow, level,
                         static_cast<std::uint8_t>(*highscores::rankFor(table.hiScores, level)));
    }
};

TEST_F(NameEntryOk, InsertsAtTheRankWritesReloadsAndShowsTheMainWindow)
{
    struct Case {
        std::uint8_t level;
        QByteArray file;
        Rows table;
    };
    const Case cases[] = {{7, "10,Aki\r\n7,Dan\r\n5,Ben\r\n", {"10,Aki", "7,Dan", "5,Ben"}},
                          {11, "11,Dan\r\n10,Aki\r\n5,Ben\r\n", {"11,Dan", "10,Aki", "5,Ben"}},
                          {4, "10,Aki\r\n5,Ben\r\n4,Dan\r\n", {"10,Aki", "5,Ben", "4,Dan"}}};
    for (const Case& c : cases) {
        writeBytes(path(), kAkiBenKei);
        table.LoadHighScores(mainWindow);
        const int showsBefore = mainWindow.shows;

        EXPECT_TRUE(entryFor(c.level).Command1_Click(QStringLiteral("Dan"))) << "the window closes";
        EXPECT_EQ(fileBytes(), c.file) << int{c.level};
        EXPECT_EQ(memory(), c.table) << "reloaded from the file";
        EXPECT_EQ(shown(), c.table);
        EXPECT_EQ(mainWindow.shows, showsBefore + 1);
    }
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(NameEntryOk, KeepsEightCharactersOfTheName)
{
    entryFor(11).Command1_Click(QStringLiteral("Alexandria"));
    EXPECT_EQ(table.hiNames[0], QStringLiteral("Alexandr"));
    entryFor(12).Command1_Click(QStringLiteral("名無しさん"));
    EXPECT_EQ(table.hiNames[0], QStringLiteral("名無しさん"));
    entryFor(13).Command1_Click(QString());
    EXPECT_EQ(fileBytes(), "13,\r\n12,\x96\xbc\x96\xb3\x82\xb5\x82\xb3\x82\xf1\r\n11,Alexandr\r\n");
}

TEST_F(NameEntryOk, KeepsItsOwnGameWhateverHappensBeforeOk)
{
    NameEntry entry = entryFor(7);
    // Another game ends meanwhile and the player clears the table.
    table.finalLevel = 99;
    table.newRank = 1;
    table.ClearHighScores(mainWindow);

    EXPECT_TRUE(entry.Command1_Click(QStringLiteral("Dan")));
    EXPECT_EQ(fileBytes(), "7,Dan\r\n0,none\r\n0,none\r\n") << "no cleared entry comes back, no other level";
}

TEST_F(NameEntryOk, ALevelPushedOutOfTheTableMeanwhileSavesNothing)
{
    NameEntry late = entryFor(4);
    entryFor(8).Command1_Click(QStringLiteral("Eve"));
    entryFor(6).Command1_Click(QStringLiteral("Fay"));
    const int shows = mainWindow.shows;

    EXPECT_TRUE(late.Command1_Click(QStringLiteral("Dan")));
    EXPECT_EQ(fileBytes(), "10,Aki\r\n8,Eve\r\n6,Fay\r\n");
    EXPECT_EQ(mainWindow.shows, shows);
}

TEST_F(NameEntryOk, AFailedWriteKeepsTheWindowOpenForAnotherTry)
{
    NameEntry entry = entryFor(7);
    files.failWrites = QStringLiteral("No space left on device");
    EXPECT_FALSE(entry.Command1_Click(QStringLiteral("Dan")));

    ASSERT_EQ(messageBox.shown.size(), 1U);
    EXPECT_TRUE(messageBox.shown[0].prompt.contains(QStringLiteral("No space left on device")));
    EXPECT_TRUE(messageBox.shown[0].prompt.contains(QDir::toNativeSeparators(path())));
    EXPECT_EQ(fileBytes(), kAkiBenKei);
    EXPECT_EQ(memory(), (Rows{"10,Aki", "5,Ben", "3,Kei"}));
    EXPECT_EQ(shown(), memory());
    EXPECT_EQ(mainWindow.shows, 0);

    files.failWrites.reset();
    EXPECT_TRUE(entry.Command1_Click(QStringLiteral("Dan")));
    EXPECT_EQ(fileBytes(), "10,Aki\r\n7,Dan\r\n5,Ben\r\n");
}

TEST(NameEntryPlacement, HalfTheDifferenceTruncatedTowardZero)
{
    EXPECT_EQ(highscores::centredPosition(15360, 4800), 5280);
    EXPECT_EQ(highscores::centredPosition(15361, 4800), 5280) << "an odd difference drops the half twip";
    EXPECT_EQ(highscores::centredPosition(3000, 4801), -900) << "not -901";
    EXPECT_EQ(highscores::centredPosition(100.5, 0), 50) << "100.5 rounds to the even 100";
    EXPECT_EQ(highscores::centredPosition(101.5, 0), 51) << "101.5 rounds to the even 102";
}

// Records the windows the launcher opens; closes them on request.
class FakeNameEntryWindows final : public highscores::NameEntryWindows {
public:
    void open(std::uint8_t level, std::uint8_t rank, std::function<void()> closed) override
    {
        opened.push_back(std::to_string(level) + " at " + std::to_string(rank));
        close = std::move(closed);
    }
    void bringForward() override { ++raised; }

    std::vector<std::string> opened;
    std::function<void()> close;
    int raised = 0;
};

class NameEntryQueue : public NameEntryOk {
protected:
    // A game that ended at the level and was ranked against the table shown.
    void gameEnds(std::uint8_t level)
    {
        table.finalLevel = level;
        table.newRank = static_cast<std::uint8_t>(*highscores::rankFor(table.hiScores, level));
        launcher.showNameEntry();
    }

    // OK in the open window: its game is saved, then the window closes.
    void ok(std::uint8_t level, const char* name)
    {
        entryFor(level).Command1_Click(QString::fromLatin1(name));
        windows.close();
    }

    FakeNameEntryWindows windows;
    highscores::NameEntryLauncher launcher{table, windows};
};

TEST_F(NameEntryQueue, ASecondGameWaitsForTheOpenWindowAndIsNotLost)
{
    gameEnds(7);
    gameEnds(11);
    EXPECT_EQ(windows.opened, (std::vector<std::string>{"7 at 2"}));
    EXPECT_EQ(windows.raised, 1) << "the open window comes forward";

    ok(7, "Dan");
    EXPECT_EQ(windows.opened, (std::vector<std::string>{"7 at 2", "11 at 1"})) << "ranked in the updated table";
}

TEST_F(NameEntryQueue, AWaitingGameThatNoLongerEntersGetsNoWindow)
{
    gameEnds(9);
    gameEnds(4);
    gameEnds(8);
    ok(9, "Dan");  // the table is now 10, 9, 5: a game at 4 no longer enters
    EXPECT_EQ(windows.opened, (std::vector<std::string>{"9 at 2", "8 at 3"}));

    gameEnds(12);
    windows.close();  // the close box: nothing saved, and the next game's turn
    EXPECT_EQ(windows.opened, (std::vector<std::string>{"9 at 2", "8 at 3", "12 at 1"}));
    EXPECT_EQ(fileBytes(), "10,Aki\r\n9,Dan\r\n5,Ben\r\n");
}
