#include "highscores/NameEntry.h"
#include "support/HighScoreFixture.h"

#include <QDir>
#include <QFileInfo>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

using namespace testing_support;
using highscores::NameEntry;

namespace {

// Writes past a size fail for this process as they would on a disk that
// fills up part way: the system's own short write and error, no fake.
class FileSizeLimit {
public:
    // Past the limit a write fails with "File too large" instead of the
    // signal ending the test.
    explicit FileSizeLimit(rlim_t bytes) : oldSignal_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    void (*oldSignal_)(int);
    rlimit old_{};
};

}  // namespace

class FileFaults : public HighScoreFixture {
protected:
    FileFaults()
    {
        writeBytes(path(), kTaroHanakoJiro);
        table.LoadHighScores(mainWindow);
    }

    // Level 9 goes in at rank 2.
    NameEntry entry{table, mainWindow, 9, 2};
    const QByteArray withDan = QByteArrayLiteral("12,Taro\r\n9,Dan\r\n7,Hanako\r\n");

    QStringList entries() const
    {
        return QDir(directory.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
};

TEST_F(FileFaults, AWriteThatStopsShortKeepsTheOldTableAndTheWindowOpen)
{
    // Room for part of the new table: the first write goes through.
    {
        const FileSizeLimit limit(10);
        EXPECT_FALSE(entry.Command1_Click(QStringLiteral("Dan")));
    }
    expectWriteFailure(0, "hs.hsd", QStringLiteral("File too large"));
    EXPECT_EQ(fileBytes(), kTaroHanakoJiro);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("hs.hsd")}) << "no half-written file is left behind";
    EXPECT_TRUE(entry.Command1_Click(QStringLiteral("Dan")));
    EXPECT_EQ(fileBytes(), withDan);
}

TEST_F(FileFaults, ADamagedTableOutlivesAFullDiskOnTheErrorPath)
{
    const QByteArray damaged = QByteArrayLiteral("12,Taro\r\n7,Hanako\r\n");
    writeBytes(path(), damaged);
    {
        const FileSizeLimit limit(0);
        table.LoadHighScores(mainWindow);
    }
    expectLoadError();
    expectWriteFailure(1, "hs.hsd", QStringLiteral("File too large"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("hs.hsd.bak")}) << "set aside, and no short default in its place";
    EXPECT_EQ(memory(), kNoneInMemory);

    // With room again the next start writes the default and keeps the backup.
    table.LoadHighScores(mainWindow);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    EXPECT_EQ(readBytes(path("hs.hsd.bak")), damaged);
}

TEST_F(FileFaults, ADamagedTableThatCannotBeSetAsideIsNeverWrittenOver)
{
    const QByteArray damaged = QByteArrayLiteral("12,Taro\r\n7,Hanako\r\n");
    const QString reason = QStringLiteral("Input/output error");
    writeBytes(path(), damaged);
    files.failRenames = reason;
    table.LoadHighScores(mainWindow);
    expectLoadError();
    expectWriteFailure(1, "hs.hsd.bak", reason);
    EXPECT_EQ(memory(), kNoneInMemory);

    // OK and the clear each try the backup again and, failing, write nothing.
    EXPECT_FALSE(entry.Command1_Click(QStringLiteral("Dan"))) << "the window stays open";
    expectWriteFailure(2, "hs.hsd.bak", reason);
    table.ClearHighScores(mainWindow);
    expectWriteFailure(4, "hs.hsd.bak", reason);
    EXPECT_EQ(fileBytes(), damaged);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("hs.hsd")});
    EXPECT_EQ(memory(), kNoneInMemory);

    // Once the backup can be made, OK makes it, then saves.
    files.failRenames.reset();
    EXPECT_TRUE(entry.Command1_Click(QStringLiteral("Dan")));
    EXPECT_EQ(readBytes(path("hs.hsd.bak")), damaged);
    EXPECT_EQ(memory(), (Rows{"9,Dan", "0,none", "0,none"}));

    // A damaged table that has gone meanwhile holds up nothing.
    writeBytes(path(), damaged);
    files.failRenames = reason;
    table.LoadHighScores(mainWindow);
    ASSERT_TRUE(QFile::remove(path()));
    table.ClearHighScores(mainWindow);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
}

TEST_F(FileFaults, ALinkToAPipeIsNeitherOpenedNorReplaced)
{
    // Opening the pipe would stall the load until someone writes to it.
    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("pipe"), path()));
    table.LoadHighScores(mainWindow);
    expectLoadError();
    expectWriteFailure(1, "hs.hsd", QStringLiteral("not a regular file"));

    EXPECT_FALSE(entry.Command1_Click(QStringLiteral("Dan"))) << "the window stays open";
    expectWriteFailure(2, "hs.hsd", QStringLiteral("not a regular file"));
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), path("pipe"));
    EXPECT_FALSE(QFileInfo(path("pipe")).isFile()) << "still the pipe";
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("hs.hsd"), QStringLiteral("pipe")}));
}

TEST_F(FileFaults, ATableChangedBehindTheGamesBackIsWrittenWholeFromMemory)
{
    // Bytes no table reads as: a NUL, bytes code page 932 has no character
    // for, a lone CR and a lead byte cut off at the end.
    const QByteArray garbage = QByteArray::fromHex("00ff2c0d814022fd81");
    const auto saveAfter = [&](const auto& change) {
        writeBytes(path(), kTaroHanakoJiro);
        table.LoadHighScores(mainWindow);
        change();
        EXPECT_TRUE(entry.Command1_Click(QStringLiteral("Dan")));
        EXPECT_EQ(fileBytes(), withDan);
        EXPECT_EQ(memory(), (Rows{"12,Taro", "9,Dan", "7,Hanako"}));
    };
    saveAfter([&] { ASSERT_TRUE(QFile::remove(path())); });
    saveAfter([&] { writeBytes(path(), garbage); });
    EXPECT_TRUE(messageBox.shown.empty());

    // Found by a load, garbage is set aside byte for byte.
    writeBytes(path(), garbage);
    table.LoadHighScores(mainWindow);
    EXPECT_EQ(readBytes(path("hs.hsd.bak")), garbage);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
}

TEST_F(FileFaults, AHugeFileIsReadOnlyAtItsStartAndSetAsideWhole)
{
    // Gigabytes of NULs after a level: no line end anywhere, and as sparse
    // file they cost no disk.
    constexpr qint64 kSize = 5LL << 30;
    writeBytes(path(), "12,");
    ASSERT_TRUE(QFile::resize(path(), kSize));
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &before), 0);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const long peakKiB = usage.ru_maxrss;

    table.LoadHighScores(mainWindow);
    ::getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss - peakKiB, 1L << 20) << "the load took a gigabyte or more";
    expectLoadError();
    EXPECT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    // The very same file, moved rather than copied: all of it, and no second
    // copy filling the disk.
    struct stat kept {};
    ASSERT_EQ(::stat(QFile::encodeName(path("hs.hsd.bak")).constData(), &kept), 0);
    EXPECT_EQ(kept.st_ino, before.st_ino);
    EXPECT_EQ(kept.st_size, kSize);
}
