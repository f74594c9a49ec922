#include "support/HighScoreFixture.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

using namespace testing_support;
using platform::MessageBoxButtons;
using platform::MessageBoxResult;

using HighScoreFile = HighScoreFixture;

// Names the cases in the test list by what sets each file apart.
template <typename File>
std::string caseName(const ::testing::TestParamInfo<File>& info)
{
    return info.param.name;
}

struct GoodFile {
    const char* name;
    const char* bytes;
    Rows table;
};

class ReadableFile : public HighScoreFile, public ::testing::WithParamInterface<GoodFile> {};

TEST_P(ReadableFile, LoadsIntoMemoryAndLabelsAndIsLeftAsItIs)
{
    writeBytes(path(), GetParam().bytes);
    table.LoadHighScores(mainWindow);
    EXPECT_EQ(memory(), GetParam().table);
    EXPECT_EQ(mainWindow.rows(), GetParam().table);
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_EQ(fileBytes(), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ReadableFile,
    ::testing::Values(GoodFile{"as_written", "12,Taro\r\n7,Hanako\r\n3,Jiro\r\n", kTaroRows},
                      GoodFile{"no_final_line_end", "12,Taro\r\n7,Hanako\r\n3,Jiro", kTaroRows},
                      GoodFile{"one_line", "12,Taro,7,Hanako,3,Jiro\r\n", kTaroRows},
                      GoodFile{"bare_lf_and_cr", "12,Taro\n7,Hanako\r3,Jiro\n", kTaroRows},
                      GoodFile{"blanks", "  12,  Taro  \r\n7 ,Hanako\r\n 3,Jiro", kTaroRows},
                      GoodFile{"more_lines", "12,Taro\r\n7,Hanako\r\n3,Jiro\r\n1,Ken\r\n0,Rie\r\n", kTaroRows},
                      GoodFile{
                          "quoted_names", "255,\"Ta,ro \"\r\n0,\"Ha\"junk\r\n0,\r\n", {"255,Ta,ro ", "0,Ha", "0,"}},
                      // 名無しさん, ① and ～ as a Japanese Windows system writes them
                      GoodFile{"japanese_names",
                               "1,\x96\xbc\x96\xb3\x82\xb5\x82\xb3\x82\xf1\r\n1,\x87\x40\x81\x60\r\n1,a\r\n",
                               {"1,名無しさん", "1,①～", "1,a"}}),
    caseName<GoodFile>);

struct BadFile {
    const char* name;
    const char* bytes;
};

class DamagedFile : public HighScoreFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(DamagedFile, IsKeptAsBakAndReplacedByTheDefault)
{
    writeBytes(path(), GetParam().bytes);
    mainWindow.captions = {"Old", "Old", "Old", "9", "9", "9"};
    table.hiNames = {"Old", "Old", "Old"};
    table.LoadHighScores(mainWindow);

    expectLoadError();
    EXPECT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_EQ(readBytes(path("hs.hsd.bak")), GetParam().bytes);
    EXPECT_EQ(memory(), kNoneInMemory) << "entries read before the failure are dropped";
    EXPECT_EQ(mainWindow.rows(), (Rows{"9,Old", "9,Old", "9,Old"})) << "the labels keep what they showed";
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFile,
                         ::testing::Values(BadFile{"two_lines", "12,Taro\r\n7,Hanako\r\n"},
                                           BadFile{"no_sixth_field", "12,Taro\r\n7,Hanako\r\n3,"},
                                           BadFile{"no_number", "12,Taro\r\n7,Hanako\r\nx,Jiro\r\n"},
                                           BadFile{"past_a_byte", "12,Taro\r\n256,Hanako\r\n3,Jiro\r\n"},
                                           BadFile{"negative", "-1,Taro\r\n7,Hanako\r\n3,Jiro\r\n"},
                                           BadFile{"fraction", "12,Taro\r\n7,Hanako\r\n3.5,Jiro\r\n"},
                                           BadFile{"empty_level", "\r\n12,Taro\r\n7,Hanako\r\n3,Jiro\r\n"}),
                         caseName<BadFile>);

TEST_F(HighScoreFile, FirstStartReportsAndWritesTheDefault)
{
    table.LoadHighScores(mainWindow);
    expectLoadError();
    EXPECT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_EQ(memory(), kNoneInMemory);
    EXPECT_EQ(mainWindow.rows(), (Rows{"0,None", "0,None", "0,None"}));

    // An empty file fails the same way, and holds nothing worth a backup.
    writeBytes(path(), "");
    table.LoadHighScores(mainWindow);
    EXPECT_EQ(messageBox.shown.size(), 2U);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_FALSE(QFileInfo::exists(path("hs.hsd.bak")));
}

TEST_F(HighScoreFile, EachDamagedTableIsKeptUnderANameOfItsOwn)
{
    // Whatever already has a backup's name stays, a directory included.
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("hs.hsd.1.bak")));
    const QByteArray damaged[] = {"12,Taro\r\n", "x,Jiro\r\n7,Aki\r\n3,Ken\r\n", "\xff"};
    for (const QByteArray& bytes : damaged) {
        writeBytes(path(), bytes);
        table.LoadHighScores(mainWindow);
    }
    EXPECT_EQ(messageBox.shown.size(), 3U) << "the load error alone, each time";
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_EQ(readBytes(path("hs.hsd.bak")), damaged[0]);
    EXPECT_TRUE(QFileInfo(path("hs.hsd.1.bak")).isDir());
    EXPECT_EQ(readBytes(path("hs.hsd.2.bak")), damaged[1]);
    EXPECT_EQ(readBytes(path("hs.hsd.3.bak")), damaged[2]);
}

TEST_F(HighScoreFile, ADirectoryOrAPipeInItsPlaceIsReportedAndLeftAlone)
{
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("hs.hsd")));
    table.LoadHighScores(mainWindow);
    expectLoadError();
    expectWriteFailure(1, "hs.hsd", QStringLiteral("Is a directory"));
    EXPECT_TRUE(QFileInfo(path()).isDir());
    EXPECT_FALSE(QFileInfo::exists(path("hs.hsd.bak")));
    EXPECT_EQ(memory(), kNoneInMemory);

    // A pipe nobody writes to must neither stall the load nor become a file.
    ASSERT_TRUE(QDir(path()).removeRecursively());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    table.LoadHighScores(mainWindow);
    ASSERT_EQ(messageBox.shown.size(), 4U);
    EXPECT_TRUE(messageBox.shown[3].prompt.startsWith(kCannotWrite));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A table that loaded without complaint.
class LoadedTable : public HighScoreFile {
protected:
    LoadedTable()
    {
        writeBytes(path(), kTaroHanakoJiro);
        table.LoadHighScores(mainWindow);
    }

    void expectUnchanged() const
    {
        EXPECT_EQ(fileBytes(), kTaroHanakoJiro);
        EXPECT_EQ(memory(), kTaroRows);
        EXPECT_EQ(mainWindow.rows(), kTaroRows);
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
    EXPECT_EQ(mainWindow.rows(), kNoneInMemory);
}

TEST_F(ClearHighScores, CancelClosingTheBoxOrAFailedWriteChangesNothing)
{
    messageBox.answers = {MessageBoxResult::Cancel};
    table.ClearHighScores(mainWindow);
    EXPECT_EQ(messageBox.shown.size(), 1U);
    expectUnchanged();

    files.failWrites = QStringLiteral("No space left on device");
    table.ClearHighScores(mainWindow);
    expectWriteFailure(2, "hs.hsd", QStringLiteral("No space left on device"));
    expectUnchanged();
}

TEST_F(SaveHighScores, NamesReadBackExactlyAndInCodePage932)
{
    highscores::HighScoreTable next{highscores::HighScoreEntry{13, QStringLiteral("Ta,ro")},
                                    highscores::HighScoreEntry{12, QStringLiteral(" 名無し")},
                                    highscores::HighScoreEntry{7, QStringLiteral("Ta\"ro")}};
    ASSERT_TRUE(table.SaveHighScores(next));
    EXPECT_EQ(fileBytes(), "13,\"Ta,ro\"\r\n12,\" \x96\xbc\x96\xb3\x82\xb5\"\r\n7,Ta\"ro\r\n");
    EXPECT_EQ(memory(), kTaroRows) << "memory follows the file only by the next load";

    for (const QString& name : {QStringLiteral("Taro "), QStringLiteral("Ta\r\nro"), QString()}) {
        next[0].name = name;
        ASSERT_TRUE(table.SaveHighScores(next));
        table.LoadHighScores(mainWindow);
        EXPECT_EQ(table.hiNames[0], name) << name.toStdString();
        EXPECT_EQ(memory()[1], "12, 名無し");
    }
}
