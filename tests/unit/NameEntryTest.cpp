#include "highscores/NameEntry.h"
#include "highscores/NameEntryLauncher.h"
#include "support/HighScoreFixture.h"

#include <QDir>

using namespace testing_support;
using highscores::NameEntry;

namespace {

const QByteArray kAkiBenKei = QByteArrayLiteral("10,Aki\r\n5,Ben\r\n3,Kei\r\n");

}  // namespace

// The table 10 Aki, 5 Ben, 3 Kei, loaded and shown.
class NameEntryOk : public HighScoreFixture {
protected:
    NameEntryOk() { reload(); }

    void reload()
    {
        writeBytes(path(), kAkiBenKei);
        table.LoadHighScores(mainWindow);
    }

    // The window of a game that ended at the level, ranked as the table stood.
    NameEntry entryFor(std::uint8_t level)
    {
        return {table, mainWindow, level, static_cast<std::uint8_t>(*highscores::rankFor(table.hiScores, level))};
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
        reload();
        const int shows = mainWindow.shows;
        EXPECT_TRUE(entryFor(c.level).Command1_Click(QStringLiteral("Dan"))) << "the window closes";
        EXPECT_EQ(fileBytes(), c.file) << int{c.level};
        EXPECT_EQ(memory(), c.table) << "reloaded from the file";
        EXPECT_EQ(mainWindow.rows(), c.table);
        EXPECT_EQ(mainWindow.shows, shows + 1);
    }
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(NameEntryOk, KeepsEightCharactersOfTheName)
{
    entryFor(11).Command1_Click(QStringLiteral("Alexandria"));
    entryFor(12).Command1_Click(QStringLiteral("名無しさん"));
    EXPECT_EQ(fileBytes(), "12,\x96\xbc\x96\xb3\x82\xb5\x82\xb3\x82\xf1\r\n11,Alexandr\r\n10,Aki\r\n");
}

TEST_F(NameEntryOk, KeepsItsOwnGameWhateverHappensBeforeOk)
{
    NameEntry entry = entryFor(7);
    // Another game ends meanwhile, and the player clears the table.
    table.finalLevel = 99;
    table.newRank = 1;
    table.ClearHighScores(mainWindow);

    EXPECT_TRUE(entry.Command1_Click(QStringLiteral("Dan")));
    EXPECT_EQ(fileBytes(), "7,Dan\r\n0,none\r\n0,none\r\n") << "no cleared entry comes back, no other level";
}

TEST_F(NameEntryOk, AFailedWriteKeepsTheWindowOpenForAnotherTry)
{
    NameEntry entry = entryFor(7);
    files.failWrites = QStringLiteral("No space left on device");
    EXPECT_FALSE(entry.Command1_Click(QStringLiteral("Dan")));
    ASSERT_EQ(messageBox.shown.size(), 1U);
    EXPECT_TRUE(messageBox.shown[0].prompt.endsWith(QDir::toNativeSeparators(path()) +
                                                    QStringLiteral("\r\nNo space left on device")));
    EXPECT_EQ(fileBytes(), kAkiBenKei);
    EXPECT_EQ(memory(), (Rows{"10,Aki", "5,Ben", "3,Kei"}));
    EXPECT_EQ(mainWindow.rows(), memory());
    EXPECT_EQ(mainWindow.shows, 0);

    files.failWrites.reset();
    EXPECT_TRUE(entry.Command1_Click(QStringLiteral("Dan")));
    EXPECT_EQ(fileBytes(), "10,Aki\r\n7,Dan\r\n5,Ben\r\n");
}

// The disk, but hs.hsd reads as missing once it has been written: the reload
// after OK fails.
class ForgetfulFileStore final : public platform::FileStore {
public:
    platform::FileStart readStart(const QString& path, qint64 maxBytes) const override
    {
        return written_ ? platform::FileStart{} : disk_.readStart(path, maxBytes);
    }
    std::optional<platform::FileFailure> replace(const QString& path, const QByteArray& bytes) override
    {
        written_ = true;
        return disk_.replace(path, bytes);
    }
    std::optional<platform::FileFailure> rename(const QString& from, const QString& to) override
    {
        return disk_.rename(from, to);
    }

private:
    platform::DiskFileStore disk_;
    bool written_ = false;
};

TEST(NameEntryReload, AFailedReloadShowsTheNamesItLeftBesideTheSavedLevels)
{
    QTemporaryDir directory;
    writeBytes(directory.filePath(QStringLiteral("hs.hsd")), kAkiBenKei);
    FakeMessageBox messageBox;
    ForgetfulFileStore files;
    FakeMainWindow mainWindow;
    highscores::Module1 table{messageBox, files, directory.path()};
    table.LoadHighScores(mainWindow);

    EXPECT_TRUE(NameEntry(table, mainWindow, 7, 2).Command1_Click(QStringLiteral("Dan")));
    ASSERT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(messageBox.shown[0].prompt, QStringLiteral("ハイスコアデータが開けませんでした"));
    EXPECT_EQ(mainWindow.rows(), (Rows{"10,none", "7,none", "5,none"}));
    EXPECT_EQ(mainWindow.shows, 1);
}

TEST(NameEntryRules, RanksLikeTheEndOfAGameAndCentresTruncatingTowardZero)
{
    EXPECT_EQ(highscores::rankFor({10, 5, 3}, 3), std::nullopt);
    EXPECT_EQ(highscores::rankFor({10, 5, 3}, 5), 3) << "a tie goes below";
    EXPECT_EQ(highscores::rankFor({1, 9, 3}, 5), 1) << "a hand-edited table out of order";
    EXPECT_EQ(highscores::rankFor({1, 9, 3}, 2), std::nullopt) << "only a level above rank 3 gets in";

    EXPECT_EQ(highscores::centredPosition(15361, 4800), 5280) << "an odd difference drops the half twip";
    EXPECT_EQ(highscores::centredPosition(3000, 4801), -900) << "not -901";
    EXPECT_EQ(highscores::centredPosition(101.5, 0), 51) << "101.5 rounds to the even 102";
}

// Records the windows the launcher opens; closes the open one on request.
class FakeNameEntryWindows final : public highscores::NameEntryWindows {
public:
    void open(std::uint8_t level, std::uint8_t rank, std::function<void()> closed) override
    {
        opened.push_back(std::to_string(level) + " at " + std::to_string(rank));
        close = std::move(closed);
    }
    void bringForward() override { ++raised; }

    Rows opened;
    std::function<void()> close;
    int raised = 0;
};

class NameEntryQueue : public NameEntryOk {
protected:
    void gameEnds(std::uint8_t level)
    {
        table.finalLevel = level;
        table.newRank = static_cast<std::uint8_t>(*highscores::rankFor(table.hiScores, level));
        launcher.showNameEntry();
    }

    FakeNameEntryWindows windows;
    highscores::NameEntryLauncher launcher{table, windows};
};

TEST_F(NameEntryQueue, LaterGamesWaitAndGetAWindowIfTheyStillEnter)
{
    gameEnds(9);
    gameEnds(4);
    gameEnds(8);
    EXPECT_EQ(windows.opened, (Rows{"9 at 2"}));
    EXPECT_EQ(windows.raised, 2) << "the open window comes forward";

    entryFor(9).Command1_Click(QStringLiteral("Dan"));
    windows.close();  // the table is now 10, 9, 5: a game at 4 no longer enters
    EXPECT_EQ(windows.opened, (Rows{"9 at 2", "8 at 3"}));

    gameEnds(12);
    windows.close();  // the close box: nothing saved, and the next game's turn
    EXPECT_EQ(windows.opened, (Rows{"9 at 2", "8 at 3", "12 at 1"}));
    EXPECT_EQ(fileBytes(), "10,Aki\r\n9,Dan\r\n5,Ben\r\n");
}
