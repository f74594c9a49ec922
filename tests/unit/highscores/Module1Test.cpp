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

TEST_F(HighScoreFile, SavesInCodePage932AndNamesReadBackExactly)
{
    load(kTaroBytes);
    ASSERT_TRUE(table.SaveHighScores({{{13, "Ta,ro"}, {12, " 名無し"}, {7, "Ta\"ro"}}}));
    EXPECT_EQ(fileBytes(), "13,\"Ta,ro\"\r\n12,\" \x96\xbc\x96\xb3\x82\xb5\"\r\n7,Ta\"ro\r\n");
    EXPECT_EQ(memory(), kTaroRows) << "memory follows the file only by the next load";
    table.LoadHighScores(mainWindow);
    EXPECT_EQ(memory(), (Rows{"13,Ta,ro", "12, 名無し", "7,Ta\"ro"}));
    ASSERT_TRUE(table.SaveHighScores({{{2, "Taro "}, {1, "Ta\r\nro"}, {0, ""}}}));
    table.LoadHighScores(mainWindow);
    EXPECT_EQ(memory(), (Rows{"2,Taro ", "1,Ta\r\nro", "0,"}));
}
