// The high-score table and hs.hsd: reading every layout, saving, keeping
// what others wrote, the name window's OK, and the file when something about
// it goes wrong.
#include "highscores/Module1.h"
#include "highscores/NameEntry.h"
#include "support/GameServices.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>  // mkfifo, where there are pipes

using namespace testing_support;
using highscores::NameEntry;
using platform::MessageBoxResult;

namespace {

using Boxes = std::vector<QString>;  // as FakeMessageBox::shown
const QString kLoadError = QStringLiteral("エラー|ハイスコアデータが開けませんでした");
const QString kAskClear = QStringLiteral("確認|ハイスコアをクリアしますか?");
const QByteArray kTaroBytes = QByteArrayLiteral("12,Taro\r\n7,Hanako\r\n3,Jiro\r\n");
const Rows kTaroRows{"12,Taro", "7,Hanako", "3,Jiro"};
const Rows kNoneInMemory{"0,none", "0,none", "0,none"};
const QByteArray kDamaged = QByteArrayLiteral("12,Taro\r\n7,Hanako\r\n");
// A table that reads, in a form the game writes otherwise.
const QByteArray kOtherForm = "12,Taro \n07,Hanako\n3,Jiro,junk\n";

// The table with a main window that only records, in a folder whose name is
// not ASCII.
class HighScores : public ::testing::Test, protected GameServices {
protected:
    HighScores() : GameServices(QStringLiteral("ゲーム")) {}

    QByteArray fileBytes(const char* name = "hs.hsd") const { return readBytes(path(name)); }
    void load(const QByteArray& bytes)
    {
        writeBytes(path(), bytes);
        table.LoadHighScores(mainWindow);
    }
    bool save(const highscores::HighScoreTable& written)
    {
        return !table.SaveHighScores(highscores::replacedBy(written), messageBox).failure;
    }
    // OK in the window of a game that ended at level; true if it closes.
    bool ok(std::uint8_t level, const QString& name)
    {
        return NameEntry{table, mainWindow, messageBox, level, 0}.Command1_Click(name);
    }

    Rows memory() const
    {
        FakeMainWindow shown;
        highscores::Module1::showTable(shown, table.table());
        return shown.rows();
    }

    FakeMainWindow mainWindow;
    highscores::Module1 table{messageBox, files, folder};
};

}  // namespace

TEST_F(HighScores, ReadsEveryReadableLayoutAndSetsEachDamagedTableAside)
{
    const Rows damaged{};  // nothing read: the default table replaces the file
    // clang-format off
    const std::pair<const char*, Rows> cases[] = {
        {nullptr, damaged},  // the first start, in an empty directory
        {"12,Taro\r\n7,Hanako\r\n3,Jiro\r\n", kTaroRows},
        // Bare LF and CR, blanks around fields, no final line end
        {"  12,  Taro  \n7 ,Hanako\r 3,Jiro", kTaroRows},
        {"12,Taro,7,Hanako,3,Jiro\r\n1,Ken\r\n0,Rie\r\n", kTaroRows},
        // Anything after a closing quote is dropped; a quote never closed runs to the end.
        {"255,\"Ta,ro,\"\n0,\"Ha\"junk\r\n0,\"Ji,ro", {"255,Ta,ro,", "0,Ha", "0,Ji,ro"}},
        // 名無しさん, ① and ～ as a Japanese Windows system writes them
        {"1,\x96\xbc\x96\xb3\x82\xb5\x82\xb3\x82\xf1\n1,\x87\x40\x81\x60\n1,a", {"1,名無しさん", "1,①～", "1,a"}},
        // Damaged: empty, a line or a field missing, a level that is no byte, a blank first line
        {"", damaged}, {"12,Taro\r\n7,Hanako\r\n", damaged}, {"12,Taro\r\n7,Hanako\r\n3,", damaged},
        {"12,Taro\r\n7,Hanako\r\nx,Jiro\r\n", damaged}, {"12,Taro\r\n256,Hanako\r\n3,Jiro\r\n", damaged},
        {"-1,Taro\r\n7,Hanako\r\n3,Jiro\r\n", damaged}, {"12,Taro\r\n7,Hanako\r\n3.5,Jiro\r\n", damaged},
        {"\r\n12,Taro\r\n7,Hanako\r\n3,Jiro\r\n", damaged}};
    // clang-format on
    for (const auto& [bytes, rows] : cases) {
        SCOPED_TRACE(bytes ? bytes : "no file");
        QFile::remove(path("hs.hsd.bak"));
        if (bytes)
            writeBytes(path(), bytes);
        mainWindow.captions = {"Old", "Old", "Old", "9", "9", "9"};
        table.LoadHighScores(mainWindow);
        const bool ok = !rows.empty();
        const QByteArray kept = ok || !bytes ? "" : bytes;  // an empty file is not worth a backup
        EXPECT_EQ(fileBytes(), ok ? QByteArray(bytes) : kDefaultTableBytes);
        EXPECT_EQ(QFileInfo::exists(path("hs.hsd.bak")), !kept.isEmpty());
        EXPECT_EQ(fileBytes("hs.hsd.bak"), kept);
        EXPECT_EQ(memory(), ok ? rows : kNoneInMemory) << "nothing of a damaged table is kept";
        EXPECT_EQ(mainWindow.rows(), ok ? rows : Rows(3, "9,Old")) << "the labels keep what they showed";
    }
    EXPECT_EQ(messageBox.shown, Boxes(9, kLoadError)) << "one box for each damaged table, none else";
}

TEST_F(HighScores, SavesInCodePage932AndEveryNameItWritesReadsBack)
{
    load(kTaroBytes);
    // Quoted where a comma or a space at either end would be lost; never a
    // double quote, a control character or what the code page cannot hold.
    ASSERT_TRUE(save({{{13, "Ta,ro"}, {12, " 名無し"}, {7, "\"Ta\"ro\r\n\t\x1a"}}}));
    EXPECT_EQ(fileBytes(), "13,\"Ta,ro\"\r\n12,\" \x96\xbc\x96\xb3\x82\xb5\"\r\n7,Taro\r\n");
    EXPECT_EQ(memory(), kTaroRows) << "memory follows the file only by the next load";
    ASSERT_TRUE(save({{{2, "Taro "}, {1, "山\U0001F600田〜"}, {0, ""}}}));
    table.LoadHighScores(mainWindow);
    EXPECT_EQ(memory(), (Rows{"2,Taro ", "1,山田", "0,"}));
}

// Before OK, the clear or the error path replaces hs.hsd, whatever stands
// there but a table exactly as the game writes it is copied aside: a damaged
// table, or one whose rewrite would change a byte. A table another game saved
// meanwhile is the one OK inserts into.
TEST_F(HighScores, KeepsEveryByteItDidNotWriteBeforeReplacingTheFile)
{
    const auto okDan = [&] { ok(9, "Dan"); };
    const auto clear = [&] { table.ClearHighScores(mainWindow); };
    const auto bring = [&](const QByteArray& bytes) { return [&, bytes] { table.bringIn(bytes, mainWindow); }; };
    const QByteArray kHandEdited = "0,None\r\n0,None\r\n0,\"None\"  kept by hand\r\n40,Dad (old PC)\r\n# notes\r\n";
    struct Case {
        const char* what;
        QByteArray loaded, changed;                  // read by the game, then put there behind its back
        std::vector<std::function<void()>> replace;  // steps
        QByteArray after, kept;                      // hs.hsd, hs.hsd.bak
    };
    // clang-format off
    const Case cases[] = {
        {"the game's own tables", kTaroBytes, kTaroBytes, {clear, okDan}, "9,Dan\r\n0,none\r\n0,none\r\n", ""},
        {"another game's clear, then this one's", kTaroBytes, kDefaultTableBytes, {clear}, kDefaultTableBytes, ""},
        {"four fields", kTaroBytes, "12,Taro\r\n7,Hanako\r\n3", {okDan}, "12,Taro\r\n9,Dan\r\n7,Hanako\r\n",
         "12,Taro\r\n7,Hanako\r\n3"},
        {"a table edited by hand", kHandEdited, "", {okDan}, "9,Dan\r\n0,None\r\n0,None\r\n", kHandEdited},
        {"line feeds, spaces, a leading zero, a seventh field", kOtherForm, "", {clear}, kDefaultTableBytes, kOtherForm},
        {"a table in another form while the load error is up", kTaroBytes, "x",
         {[&] { messageBox.whileOpen = [&] { writeBytes(path(), kOtherForm); }; }, [&] { table.LoadHighScores(mainWindow); }},
         kDefaultTableBytes, kOtherForm},
        {"a sign the code page writes another way", "1,\x87\x90\r\n0,a\r\n0,b\r\n", "", {clear}, kDefaultTableBytes,
         "1,\x87\x90\r\n0,a\r\n0,b\r\n"},
        {"more than is read", kTaroBytes + QByteArray(1 << 20, ' '), "", {clear}, kDefaultTableBytes,
         kTaroBytes + QByteArray(1 << 20, ' ')},
        {"a quote and an end-of-file byte in names", "12,Taro\r\n7,Ta\"ro\r\n3,Jiro\x1a", "", {okDan},
         "12,Taro\r\n9,Dan\r\n7,Taro\r\n", "12,Taro\r\n7,Ta\"ro\r\n3,Jiro\x1a"},
        // A file the player brings in the browser takes the place of hs.hsd as a save would.
        {"a table brought over the game's own", kTaroBytes, "", {bring(kOtherForm)}, kOtherForm, ""},
        {"a table brought over one edited by hand", kHandEdited, "", {bring(kTaroBytes)}, kTaroBytes, kHandEdited},
        {"a damaged table brought", kTaroBytes, "", {bring(kDamaged)}, kDefaultTableBytes, kDamaged},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path("hs.hsd.bak"));
        messageBox.whileOpen = nullptr;
        load(c.loaded);
        if (!c.changed.isEmpty())
            writeBytes(path(), c.changed);
        for (const auto& step : c.replace)
            step();
        EXPECT_EQ(fileBytes(), c.after);
        EXPECT_EQ(fileBytes("hs.hsd.bak"), c.kept);
        EXPECT_EQ(entries().size(), c.kept.isEmpty() ? 1U : 2U);
    }
}

TEST_F(HighScores, ADamagedTableIsNeverWrittenOverBeforeItIsSetAside)
{
    // No copies: the error path and OK each try the backup and write nothing.
    calls.failing = {"createNew"};
    load(kDamaged);
    EXPECT_FALSE(ok(9, "Dan")) << "the window stays open";
    const QString noBackup = cannotWrite("injected failure");
    EXPECT_EQ(messageBox.shown, (Boxes{kLoadError, noBackup, noBackup}));
    EXPECT_EQ(fileBytes(), kDamaged);

    // Copies work again: OK sets it aside under a name nothing has (an
    // earlier backup has hs.hsd.bak, a directory hs.hsd.1.bak), then saves.
    writeBytes(path("hs.hsd.bak"), "earlier");
    ASSERT_TRUE(QDir(folder).mkdir("hs.hsd.1.bak"));
    calls.failing.clear();
    EXPECT_TRUE(ok(9, "Dan"));
    EXPECT_EQ(entries(), (QStringList{"hs.hsd", "hs.hsd.1.bak", "hs.hsd.2.bak", "hs.hsd.bak"}));
    EXPECT_EQ(fileBytes("hs.hsd.bak") + fileBytes("hs.hsd.2.bak"), "earlier" + kDamaged);
    EXPECT_EQ(memory(), (Rows{"9,Dan", "0,none", "0,none"})) << "inserted into the default table in memory";
}

// Nothing but a file is read or replaced: a directory in hs.hsd's place is
// reported and left alone, and so, where there are pipes and links, are a
// link to a pipe (opened, it would stall the load until someone writes to
// it) and a link that leads to itself, which cannot even be looked at.
TEST_F(HighScores, AnythingButAFileIsReportedAndLeftAlone)
{
    ASSERT_TRUE(QDir(folder).mkdir("hs.hsd"));
    table.LoadHighScores(mainWindow);
    EXPECT_FALSE(ok(9, "Dan")) << "the window stays open";
    const QString directoryBox = cannotWrite("Is a directory");
    EXPECT_EQ(messageBox.shown, (Boxes{kLoadError, directoryBox, directoryBox}));
    EXPECT_EQ(entries(), QStringList{"hs.hsd"}) << "no backup";
    EXPECT_TRUE(QFileInfo(path()).isDir());
    EXPECT_EQ(memory(), kNoneInMemory);
// Windows makes shortcuts of links, and neither it nor a browser has pipes among files.
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
    messageBox.shown.clear();
    ASSERT_TRUE(QDir(folder).rmdir("hs.hsd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("pipe"), path()));
    table.LoadHighScores(mainWindow);
    EXPECT_FALSE(ok(9, "Dan"));
    EXPECT_EQ(entries(), (QStringList{"hs.hsd", "pipe"})) << "no backup";
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), path("pipe"));
    EXPECT_FALSE(QFileInfo(path("pipe")).isFile()) << "still the pipe";

    ASSERT_TRUE(QFile::remove(path()) && QFile::link(path(), path()));
    table.LoadHighScores(mainWindow);
    const QString notAFile = cannotWrite("not a regular file");
    EXPECT_EQ(messageBox.shown,
              (Boxes{kLoadError, notAFile, notAFile, kLoadError, cannotWrite("Too many levels of symbolic links")}));
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), path());
#endif
}

// Links are POSIX's.
#ifndef _WIN32
// hs.hsd as a link to a table elsewhere. A clear cancelled, or one whose
// write fails, changes nothing in memory or on screen. The link stays a link,
// and what it led to is kept in a file of its own, which nothing written
// later through the link changes.
TEST_F(HighScores, AClearCancelledOrFailedChangesNothingAndALinkStaysALink)
{
    ASSERT_TRUE(QDir(folder).mkdir("shared"));
    const QString shared = path("shared/real.hsd");
    writeBytes(shared, kTaroBytes);
    ASSERT_TRUE(QFile::link(shared, path()));
    table.LoadHighScores(mainWindow);
    writeBytes(shared, kOtherForm);  // another program, through the link
    calls.failing = {"renameOver"};
    messageBox.answers = {MessageBoxResult::Cancel};
    table.ClearHighScores(mainWindow);  // Cancel
    table.ClearHighScores(mainWindow);  // OK: set aside, but the write fails
    EXPECT_EQ(messageBox.shown, (Boxes{kAskClear, kAskClear, cannotWrite("injected failure")}));
    EXPECT_EQ(messageBox.asked[0], platform::MessageBoxButtons::OkCancel);
    EXPECT_EQ(memory(), kTaroRows);
    EXPECT_EQ(mainWindow.rows(), kTaroRows);
    calls.failing.clear();
    writeBytes(shared, "8,Mio\n");
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    ASSERT_TRUE(QFile::setPermissions(shared, ownerOnly));
    table.ClearHighScores(mainWindow);
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), shared);
    EXPECT_EQ(readBytes(shared), kDefaultTableBytes);
    EXPECT_EQ(fileBytes("hs.hsd.bak") + fileBytes("hs.hsd.1.bak"), kOtherForm + "8,Mio\n");
    EXPECT_FALSE(QFileInfo(path("hs.hsd.bak")).isSymLink());
    // A table kept from other eyes stays so, and so does its backup.
    EXPECT_EQ(QFile::permissions(shared), ownerOnly);
    EXPECT_EQ(QFile::permissions(path("hs.hsd.1.bak")), ownerOnly);
}

#endif

// Two games in one directory: each OK inserts into the table the other one
// saved, and each main window shows the file after its OK.
TEST_F(HighScores, TwoGamesInOneDirectoryKeepBothScores)
{
    load(kTaroBytes);
    FakeMainWindow otherWindow;
    highscores::Module1 other{messageBox, files, folder};
    other.LoadHighScores(otherWindow);
    EXPECT_TRUE(ok(20, "Anna"));
    EXPECT_TRUE(NameEntry(other, otherWindow, messageBox, 15, 0).Command1_Click("Bob"));
    // 12 would still enter the table this window shows, but not the file's.
    EXPECT_TRUE(ok(12, "Cy"));
    EXPECT_EQ(fileBytes(), "20,Anna\r\n15,Bob\r\n12,Taro\r\n");
    EXPECT_EQ(mainWindow.rows(), otherWindow.rows());
}

// OK on the table 10 Aki, 5 Ben, 3 Kei. The rank a window shows plays no part
// in where OK puts the name.
TEST_F(HighScores, OkInsertsWhereTheLevelRanksNow)
{
    const QByteArray akiBenKei = "10,Aki\r\n5,Ben\r\n3,Kei\r\n";
    // clang-format off
    const std::pair<int, Rows> cases[] = {{7, {"10,Aki", "7,Dan", "5,Ben"}}, {11, {"11,Dan", "10,Aki", "5,Ben"}},
        {4, {"10,Aki", "5,Ben", "4,Dan"}}, {2, {"10,Aki", "5,Ben", "3,Kei"}}};  // 2: no longer in the table
    // clang-format on
    for (const auto& [level, rows] : cases) {
        load(akiBenKei);
        EXPECT_TRUE(ok(level, "Dan")) << "the window closes";
        EXPECT_EQ(mainWindow.rows(), rows) << "reloaded from the file";
    }
    // Eight characters of a name are kept: sixteen bytes of UTF-16.
    ok(12, "Alexandria");
    ok(13, "名無しさん");
    EXPECT_EQ(fileBytes(), "13,\x96\xbc\x96\xb3\x82\xb5\x82\xb3\x82\xf1\r\n12,Alexandr\r\n10,Aki\r\n");
    EXPECT_EQ(messageBox.shown, Boxes{});

    // The table cannot be read back: the saved levels are shown beside no
    // names, and the file the game cannot read is left as it is.
    calls.afterCall = [this](const std::string& call) {
        if (call == "renameOver")
            calls.failing = {"read"};
    };
    EXPECT_TRUE(ok(14, "Dan"));
    EXPECT_EQ(messageBox.shown, (Boxes{kLoadError, cannotWrite("injected failure")}));
    EXPECT_EQ(mainWindow.rows(), (Rows{"14,none", "13,none", "12,none"}));
    EXPECT_EQ(mainWindow.shows, 7);
    EXPECT_EQ(fileBytes(), "14,Dan\r\n13,\x96\xbc\x96\xb3\x82\xb5\x82\xb3\x82\xf1\r\n12,Alexandr\r\n");
}
