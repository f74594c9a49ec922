#include "platform/AnsiCodePage.h"
#include "platform/FileStore.h"
#include "support/TableFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using testing_support::readBytes;
using testing_support::writeBytes;

TEST(AnsiCodePage, WritesAndReadsAsWindowsCodePage932)
{
    EXPECT_EQ(toAnsi(QStringLiteral("名無しさん")).toHex(' '), "96 bc 96 b3 82 b5 82 b3 82 f1");
    EXPECT_EQ(toAnsi(QStringLiteral("～①ｱ\\")).toHex(' '), "81 60 87 40 b1 5c");
    EXPECT_EQ(fromAnsi(QByteArray::fromHex("8160874096bc")), QStringLiteral("～①名"));
}

TEST(AnsiCodePage, OnlyCharactersThatComeBackUnchangedSurvive)
{
    EXPECT_TRUE(survivesAnsi(QStringLiteral("名無しさん Taro ～①ｱ")));
    for (const QString& lost : {QStringLiteral("〜"), QStringLiteral("é"), QStringLiteral("😀"), QStringLiteral("¥")})
        EXPECT_FALSE(survivesAnsi(QStringLiteral("a") + lost)) << lost.toStdString();
}

class DiskFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return directory.filePath(QString::fromLatin1(name)); }

    void makePipe(const QString& at) const { ASSERT_EQ(::mkfifo(QFile::encodeName(at).constData(), 0600), 0); }

    static bool isPipe(const QString& at)
    {
        struct stat info {};
        return ::lstat(QFile::encodeName(at).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
    }

    QTemporaryDir directory;
    DiskFileStore files;
};

TEST_F(DiskFiles, ReadsOnlyRegularFilesAndOnlyTheirStart)
{
    writeBytes(path("table"), "12,Taro\r\n");
    const FileStart table = files.readStart(path("table"), 1024);
    EXPECT_EQ(table.state, FileStart::State::Read);
    EXPECT_EQ(table.bytes, "12,Taro\r\n");

    EXPECT_EQ(files.readStart(path("missing"), 1024).state, FileStart::State::Missing);
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("folder")));
    EXPECT_EQ(files.readStart(path("folder"), 1024).state, FileStart::State::NotARegularFile);
    // Opening a pipe nobody writes to would wait for ever.
    makePipe(path("pipe"));
    EXPECT_EQ(files.readStart(path("pipe"), 1024).state, FileStart::State::NotARegularFile);

    // A sparse file of 3 GiB costs no disk; reading it whole would cost memory.
    QFile huge(path("huge"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(3LL << 30));
    EXPECT_EQ(files.readStart(path("huge"), 1 << 20).bytes.size(), 1 << 20);
}

TEST_F(DiskFiles, ReplaceWritesANewFileInsteadOfEmptyingTheOldOne)
{
    EXPECT_FALSE(files.replace(path("hs.hsd"), "old"));
    // A second name for the old file still shows the old bytes afterwards:
    // they were never truncated or overwritten in place.
    ASSERT_EQ(::link(QFile::encodeName(path("hs.hsd")).constData(), QFile::encodeName(path("old")).constData()), 0);
    EXPECT_FALSE(files.replace(path("hs.hsd"), "new"));
    EXPECT_EQ(readBytes(path("hs.hsd")), "new");
    EXPECT_EQ(readBytes(path("old")), "old");
}

TEST_F(DiskFiles, ReplaceRefusesWhatIsNotARegularFileAndSaysWhy)
{
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("folder")));
    const std::optional<FileFailure> onFolder = files.replace(path("folder"), "x");
    ASSERT_TRUE(onFolder);
    EXPECT_EQ(onFolder->path, path("folder"));
    EXPECT_EQ(onFolder->reason, QStringLiteral("Is a directory"));
    EXPECT_TRUE(QFileInfo(path("folder")).isDir());

    makePipe(path("pipe"));
    ASSERT_TRUE(QFile::link(path("pipe"), path("link")));
    for (const char* name : {"pipe", "link"}) {
        const std::optional<FileFailure> failure = files.replace(path(name), "x");
        ASSERT_TRUE(failure) << name;
        EXPECT_FALSE(failure->reason.isEmpty()) << name;
    }
    EXPECT_TRUE(isPipe(path("pipe"))) << "the pipe must not become a plain file";
    EXPECT_EQ(QFileInfo(path("link")).symLinkTarget(), path("pipe"));

    const std::optional<FileFailure> noFolder = files.replace(path("gone/hs.hsd"), "x");
    ASSERT_TRUE(noFolder);
    EXPECT_FALSE(noFolder->reason.isEmpty());
}

TEST_F(DiskFiles, RenameReplacesAnOlderFileOfTheNewName)
{
    writeBytes(path("hs.hsd"), "damaged");
    writeBytes(path("hs.hsd.bak"), "older");
    EXPECT_FALSE(files.rename(path("hs.hsd"), path("hs.hsd.bak")));
    EXPECT_EQ(readBytes(path("hs.hsd.bak")), "damaged");
    EXPECT_FALSE(QFileInfo::exists(path("hs.hsd")));

    writeBytes(path("hs.hsd"), "damaged");
    ASSERT_TRUE(QDir(directory.path()).mkpath(QStringLiteral("folder/inside")));
    const std::optional<FileFailure> failure = files.rename(path("hs.hsd"), path("folder"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, path("folder"));
    EXPECT_FALSE(failure->reason.isEmpty());
    EXPECT_EQ(readBytes(path("hs.hsd")), "damaged");
}
