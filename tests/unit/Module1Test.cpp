#include "support/HighScoreFixture.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

using namespace testing_support;
using platform::MessageBoxButtons;
using platform::MessageBoxResult;

namespace {

const QByteArray kTaroHanakoJiro = QByteArrayLiteral("12,Taro\r\n7,Hanako\r\n3,Jiro\r\n");
const QString kCannotOpen = QStringLiteral("ハイスコアデータが開けませんでした");
const QString kCannotWrite = QStringLiteral("ハイスコアデータを書き込めませんでした");

}  // namespace

class LoadHighScores : public HighScoreFixture {
protected:
    // The load error, and nothing before it.
    void expectLoadErrorFirst() const
    {
        ASSERT_FALSE(messageBox.shown.empty());
        EXPECT_EQ(messageBox.shown[0].prompt, kCannotOpen);
        EXPECT_EQ(messageBox.shown[0].buttons, MessageBoxButtons::OkOnly);
        EXPECT_EQ(messageBox.shown[0].title, QStringLiteral("エラー"));
    }

    // The box that says a file could not be written names it and the reason.
    void expectWriteFailure(std::size_t box, const QString& file, const QString& reason) const
    {
        ASSERT_GT(messageBox.shown.size(), box);
        EXPECT_EQ(messageBox.shown[box].prompt, kCannotWrite + QStringLiteral("\r\n") + QDir::toNativeSeparators(file) +
                                                    QStringLiteral("\r\n") + reason);
        EXPECT_EQ(messageBox.shown[box].title, QStringLiteral("エラー"));
    }
};

TEST_F(LoadHighScores, ReadsShiftJisNamesIntoMemoryAndLabels)
{
    // 名無しさん and ①～ as a Japanese Windows system writes them.
    const QByteArray bytes = QByteArray::fromHex("31322c96bc96b382b582b382f10d0a") + "7,\x87\x40\x81\x60\r\n3,\r\n";
    writeBytes(path(), bytes);
    table.LoadHighScores(mainWindow);

    const Rows expected{"12,名無しさん", "7,①～", "3,"};
    EXPECT_EQ(memory(), expected);
    EXPECT_EQ(shown(), expected);
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_EQ(fileBytes(), bytes) << "a good file is left as it is";
}

TEST_F(LoadHighScores, LaterLinesAreIgnoredAndNeverWrittenBack)
{
    writeBytes(path(), kTaroHanakoJiro + "1,Ken\r\n0,Rie\r\n");
    table.LoadHighScores(mainWindow);
    EXPECT_EQ(memory(), (Rows{"12,Taro", "7,Hanako", "3,Jiro"}));
    ASSERT_TRUE(table.SaveHighScores(table.table()));
    EXPECT_EQ(fileBytes(), kTaroHanakoJiro);
}

TEST_F(LoadHighScores, FirstStartReportsAndWritesTheDefaultFile)
{
    table.LoadHighScores(mainWindow);

    expectLoadErrorFirst();
    EXPECT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_EQ(fileBytes().size(), 24);
    EXPECT_EQ(memory(), kNoneInMemory);
    EXPECT_EQ(shown(), kDesignedCaptions) << "the labels keep what they showed";
    EXPECT_FALSE(QFileInfo::exists(path("hs.hsd.bak"))) << "there was nothing to keep";
}

class DamagedTable : public LoadHighScores, public ::testing::WithParamInterface<const char*> {};

TEST_P(DamagedTable, IsKeptAsBakAndReplacedByTheDefault)
{
    const QByteArray damaged(GetParam());
    writeBytes(path(), damaged);
    mainWindow.captions = {"Old", "Old", "Old", "9", "9", "9"};
    table.hiNames = {"Old", "Old", "Old"};
    table.LoadHighScores(mainWindow);

    expectLoadErrorFirst();
    EXPECT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_EQ(readBytes(path("hs.hsd.bak")), damaged);
    EXPECT_EQ(memory(), kNoneInMemory) << "entries read before the failure are dropped";
    EXPECT_EQ(shown(), (Rows{"9,Old", "9,Old", "9,Old"}));
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedTable,
                         ::testing::Values("12,Taro\r\n7,Hanako\r\n", "12,Taro\r\n7,Hanako\r\nx,Jiro\r\n",
                                           "12,Taro\r\n256,Hanako\r\n3,Jiro\r\n", "-1,Taro\r\n7,Hanako\r\n3,Jiro\r\n",
                                           "12,Taro\r\n7,Hanako\r\n3.5,Jiro\r\n"));

TEST_F(LoadHighScores, AnEmptyFileFailsLikeAMissingOne)
{
    writeBytes(path("hs.hsd.bak"), "earlier damage");
    writeBytes(path(), "");
    table.LoadHighScores(mainWindow);
    expectLoadErrorFirst();
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_EQ(readBytes(path("hs.hsd.bak")), "earlier damage") << "an empty file holds nothing worth keeping";
}

TEST_F(LoadHighScores, ADamagedFileThatCannotBeKeptIsLeftAlone)
{
    writeBytes(path(), "12,Taro\r\n");
    ASSERT_TRUE(QDir(directory.path()).mkpath(QStringLiteral("hs.hsd.bak/inside")));
    table.LoadHighScores(mainWindow);

    expectLoadErrorFirst();
    ASSERT_EQ(messageBox.shown.size(), 2U);
    EXPECT_TRUE(messageBox.shown[1].prompt.startsWith(kCannotWrite + QStringLiteral("\r\n") +
                                                      QDir::toNativeSeparators(path("hs.hsd.bak"))));
    EXPECT_EQ(fileBytes(), "12,Taro\r\n");
    EXPECT_EQ(memory(), kNoneInMemory);
}

TEST_F(LoadHighScores, ADirectoryInPlaceOfTheFileIsReportedAndLeftAlone)
{
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("hs.hsd")));
    table.LoadHighScores(mainWindow);

    expectLoadErrorFirst();
    expectWriteFailure(1, path(), QStringLiteral("Is a directory"));
    EXPECT_TRUE(QFileInfo(path()).isDir());
    EXPECT_FALSE(QFileInfo::exists(path("hs.hsd.bak")));
    EXPECT_EQ(memory(), kNoneInMemory);
    EXPECT_EQ(shown(), kDesignedCaptions);
}

TEST_F(LoadHighScores, APipeInPlaceOfTheFileNeitherStallsNorIsReplaced)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    table.LoadHighScores(mainWindow);

    expectLoadErrorFirst();
    ASSERT_EQ(messageBox.shown.size(), 2U);
    EXPECT_TRUE(messageBox.shown[1].prompt.startsWith(kCannotWrite));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(LoadHighScores, AFailedDefaultWriteIsReportedAndTheGameGoesOn)
{
    files.failWrites = QStringLiteral("No space left on device");
    table.LoadHighScores(mainWindow);

    expectLoadErrorFirst();
    expectWriteFailure(1, path(), QStringLiteral("No space left on device"));
    EXPECT_FALSE(QFileInfo::exists(path()));
    EXPECT_EQ(memory(), kNoneInMemory);
}

// A table that loaded without complaint.
class LoadedTable : public LoadHighScores {
protected:
    LoadedTable()
    {
        writeBytes(path(), kTaroHanakoJiro);
        table.LoadHighScores(mainWindow);
    }

    void expectUnchanged() const
    {
        EXPECT_EQ(fileBytes(), kTaroHanakoJiro);
        EXPECT_EQ(memory(), (Rows{"12,Taro", "7,Hanako", "3,Jiro"}));
        EXPECT_EQ(shown(), memory());
    }
};

using ClearHighScores = LoadedTable;
using SaveHighScores = LoadedTable;

TEST_F(ClearHighScores, AsksFirstThenResetsFileMemoryAndLabels)
{
    table.ClearHighScores(mainWindow);

    ASSERT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(messageBox.shown[0].prompt, QStringLiteral("ハイスコアをクリアしますか?"));
    EXPECT_EQ(messageBox.shown[0].buttons, MessageBoxButtons::OkCancel);
    EXPECT_EQ(messageBox.shown[0].title, QStringLiteral("確認"));
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_EQ(memory(), kNoneInMemory);
    EXPECT_EQ(shown(), kNoneInMemory);
}

TEST_F(ClearHighScores, CancelOrClosingTheBoxChangesNothing)
{
    messageBox.answers = {MessageBoxResult::Cancel};
    table.ClearHighScores(mainWindow);
    EXPECT_EQ(messageBox.shown.size(), 1U);
    expectUnchanged();
}

TEST_F(ClearHighScores, AFailedWriteIsReportedAndChangesNothing)
{
    files.failWrites = QStringLiteral("No space left on device");
    table.ClearHighScores(mainWindow);
    expectWriteFailure(1, path(), QStringLiteral("No space left on device"));
    expectUnchanged();
}

TEST_F(SaveHighScores, WritesShiftJisAndLeavesMemoryToTheReload)
{
    highscores::HighScoreTable next = table.table();
    next[0] = {13, QStringLiteral("名無しさん")};
    ASSERT_TRUE(table.SaveHighScores(next));
    EXPECT_EQ(fileBytes(), QByteArray::fromHex("31332c96bc96b382b582b382f10d0a") + "7,Hanako\r\n3,Jiro\r\n");
    EXPECT_EQ(memory(), (Rows{"12,Taro", "7,Hanako", "3,Jiro"}));

    writeBytes(path(), kTaroHanakoJiro);
    files.failWrites = QStringLiteral("No space left on device");
    EXPECT_FALSE(table.SaveHighScores(next));
    expectWriteFailure(0, path(), QStringLiteral("No space left on device"));
    expectUnchanged();
}
