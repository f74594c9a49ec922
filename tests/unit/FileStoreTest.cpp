#include "platform/AnsiCodePage.h"
#include "platform/FileStore.h"
#include "support/TableFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;
using testing_support::writeBytes;

TEST(AnsiCodePage, IsWindowsCodePage932AndKnowsWhatItCannotKeep)
{
    EXPECT_EQ(toAnsi(QStringLiteral("名～①ｱ\\")).toHex(' '), "96 bc 81 60 87 40 b1 5c");
    EXPECT_EQ(fromAnsi(QByteArray::fromHex("96bc81608740")), QStringLiteral("名～①"));
    EXPECT_TRUE(survivesAnsi(QStringLiteral("名無しさん Taro ～①ｱ")));
    // U+301C would come back as U+FF5E; the others have no code at all.
    for (const QString& lost : {QStringLiteral("〜"), QStringLiteral("é"), QStringLiteral("😀")})
        EXPECT_FALSE(survivesAnsi(QStringLiteral("a") + lost)) << lost.toStdString();
}

TEST(AnsiCodePage, AsciiReadsTheSameAloneAsBesideJapanese)
{
    // An all-ASCII table takes a shorter road than one with a Japanese name;
    // both must give the same characters.
    QByteArray ascii("\t\r\n");
    for (char c = ' '; c < 0x7F; ++c)
        ascii.append(c);
    const QString alone = fromAnsi(ascii);
    EXPECT_EQ(fromAnsi(ascii + QByteArray::fromHex("96bc")), alone + QStringLiteral("名"));
    EXPECT_EQ(toAnsi(alone + QStringLiteral("名")), ascii + QByteArray::fromHex("96bc"));
    EXPECT_EQ(toAnsi(alone), ascii);
}

class DiskFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return directory.filePath(QString::fromLatin1(name)); }

    QTemporaryDir directory;
    DiskFileStore files;
};

TEST_F(DiskFiles, ReadsOnlyRegularFilesAndOnlyTheirStart)
{
    writeBytes(path("table"), "12,Taro\r\n");
    EXPECT_EQ(files.readStart(path("table"), 1024).bytes, "12,Taro\r\n");
    EXPECT_EQ(files.readStart(path("missing"), 1024).state, FileStart::State::Missing);
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("folder")));
    EXPECT_EQ(files.readStart(path("folder"), 1024).state, FileStart::State::NotARegularFile);

    // A sparse file of 3 GiB costs no disk; reading it whole would cost memory.
    QFile huge(path("huge"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(3LL << 30));
    EXPECT_EQ(files.readStart(path("huge"), 1 << 20).bytes.size(), 1 << 20);
}
