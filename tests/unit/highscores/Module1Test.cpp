#include "HighScoreFixture.h"

using namespace testing_support;
using HighScoreFile = HighScoreFixture;

TEST_F(HighScoreFile, ReadsEveryReadableLayoutAndSetsEachDamagedTableAside)
{
    const Rows damaged{};  // nothing read: the default table replaces the file
    const std::pair<const char*, Rows> cases[] = {
        {nullptr, damaged},  // the first start, in an empty directory
        {"12,Taro\r\n7,Hanako\r\n3,Jiro\r\n", kTaroRows},
        // Bare LF and CR, blanks around fields, no final line end
        {"  12,  Taro  \n7 ,Hanako\r 3,Jiro", kTaroRows},
        {"12,Taro,7,Hanako,3,Jiro\r\n1,Ken\r\n0,Rie\r\n", kTaroRows},
        // Anything after a closing quote is dropped; a quote never closed runs to the end.
        {"255,\"Ta,ro \"\r\n0,\"Ha\"junk\r\n0,\"Ji,ro", {"255,Ta,ro ", "0,Ha", "0,Ji,ro"}},
        // 名無しさん, ① and ～ as a Japanese Windows system writes them
        {"1,\x96\xbc\x96\xb3\x82\xb5\x82\xb3\x82\xf1\n1,\x87\x40\x81\x60\n1,a", {"1,名無しさん", "1,①～", "1,a"}},
        {"", damaged},
        {"12,Taro\r\n7,Hanako\r\n", damaged},
        {"12,Taro\r\n7,Hanako\r\n3,", damaged},
        {"12,Taro\r\n7,Hanako\r\nx,Jiro\r\n", damaged},
        {"12,Taro\r\n256,Hanako\r\n3,Jiro\r\n", damaged},
        {"-1,Taro\r\n7,Hanako\r\n3,Jiro\r\n", damaged},
        {"12,Taro\r\n7,Hanako\r\n3.5,Jiro\r\n", damaged},
        {"\r\n12,Taro\r\n7,Hanako\r\n3,Jiro\r\n", damaged},
    };
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

TEST_F(HighScoreFile, SavesInCodePage932AndEveryNameItWritesReadsBack)
{
    load(kTaroBytes);
    // Quoted where a comma or a space at either end would be lost; never a
    // double quote, a control character or what the code page cannot hold.
    ASSERT_TRUE(table.SaveHighScores({{{13, "Ta,ro"}, {12, " 名無し"}, {7, "\"Ta\"ro\r\n\t\x1a"}}}, messageBox));
    EXPECT_EQ(fileBytes(), "13,\"Ta,ro\"\r\n12,\" \x96\xbc\x96\xb3\x82\xb5\"\r\n7,Taro\r\n");
    EXPECT_EQ(memory(), kTaroRows) << "memory follows the file only by the next load";
    ASSERT_TRUE(table.SaveHighScores({{{2, "Taro "}, {1, "山\U0001F600田〜"}, {0, ""}}}, messageBox));
    table.LoadHighScores(mainWindow);
    EXPECT_EQ(memory(), (Rows{"2,Taro ", "1,山田", "0,"}));
}

// Before OK, the clear or the error path replaces hs.hsd, whatever stands
// there that the game did not write or read cleanly is set aside: a table
// changed behind its back, or one whose rewrite would lose bytes.
TEST_F(HighScoreFile, KeepsEveryByteItDidNotWriteBeforeReplacingTheFile)
{
    highscores::NameEntry entry{table, mainWindow, messageBox, 9, 2};
    const auto ok = [&] { entry.Command1_Click("Dan"); };
    const auto clear = [&] { table.ClearHighScores(mainWindow); };
    const QByteArray kAkiBenKei = "9,Aki\r\n8,Ben\r\n7,Kei\r\n";
    const QByteArray kUtf8 =
        "2,\xe5\xa4\xaa\xe9\x83\x8e\r\n1,\xe8\x8a\xb1\xe5\xad\x90\r\n0,\xe6\xac\xa1\xe9\x83\x8e\r\n";
    struct Case {
        const char* what;
        QByteArray loaded, changed;  // read by the game, then put there behind its back
        std::function<void()> replace;
        QByteArray after, kept;  // hs.hsd, hs.hsd.bak
    };
    const Case cases[] = {
        {"the game's own tables", kTaroBytes, kTaroBytes,
         [&] {
             clear();
             ok();
         },
         "9,Dan\r\n0,none\r\n0,none\r\n", ""},
        {"four fields", kTaroBytes, "12,Taro\r\n7,Hanako\r\n3", ok, "12,Taro\r\n9,Dan\r\n7,Hanako\r\n",
         "12,Taro\r\n7,Hanako\r\n3"},
        {"another table", kTaroBytes, kAkiBenKei, clear, kDefaultTableBytes, kAkiBenKei},
        {"another table while the load error is up", kTaroBytes, "x",
         [&] {
             messageBox.whileOpen = [&] { writeBytes(path(), kAkiBenKei); };
             table.LoadHighScores(mainWindow);
         },
         kDefaultTableBytes, kAkiBenKei},
        {"UTF-8", kUtf8, kUtf8, clear, kDefaultTableBytes, kUtf8},
        {"a sign the code page writes another way", "1,\x87\x90\r\n0,a\r\n0,b\r\n", "", clear, kDefaultTableBytes,
         "1,\x87\x90\r\n0,a\r\n0,b\r\n"},
        {"more than is read", kTaroBytes + QByteArray(1 << 20, ' '), "", clear, kDefaultTableBytes,
         kTaroBytes + QByteArray(1 << 20, ' ')},
        {"a quote and an end-of-file byte in names", "12,Taro\r\n7,Ta\"ro\r\n3,Jiro\x1a", "", ok,
         "12,Taro\r\n9,Dan\r\n7,Taro\r\n", "12,Taro\r\n7,Ta\"ro\r\n3,Jiro\x1a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path("hs.hsd.bak"));
        messageBox.whileOpen = nullptr;
        load(c.loaded);
        if (!c.changed.isEmpty())
            writeBytes(path(), c.changed);
        c.replace();
        EXPECT_EQ(fileBytes(), c.after);
        EXPECT_EQ(fileBytes("hs.hsd.bak"), c.kept);
        EXPECT_EQ(entries().size(), c.kept.isEmpty() ? 1U : 2U);
    }

    // A file that cannot be read is neither set aside nor written over, until
    // it can be read again.
    const QByteArray saved = fileBytes();
    messageBox.shown.clear();
    files.failReads = "Permission denied";
    clear();
    EXPECT_EQ(messageBox.shown, (Boxes{kAskClear, cannotWrite("hs.hsd", "Permission denied")}));
    EXPECT_EQ(fileBytes(), saved);
    files.failReads.reset();
    clear();
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_EQ(entries().size(), 2U) << "nothing more set aside";
}
