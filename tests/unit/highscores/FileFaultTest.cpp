// hs.hsd on the real disk when something about it goes wrong.
#include "HighScoreFixture.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

using namespace testing_support;

namespace {

// Writes past the size fail for this process as on a disk that fills up part
// way: the system's own short write, then "File too large" (not the signal).
void withFileSizeLimit(rlim_t bytes, const std::function<void()>& action)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit limited{bytes, old.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limited);
    action();
    ::setrlimit(RLIMIT_FSIZE, &old);
}

const QByteArray kDamaged = QByteArrayLiteral("12,Taro\r\n7,Hanako\r\n");

}  // namespace

// Taro's table loaded; a game at level 9 waits for its name at rank 2.
class FileFaults : public HighScoreFixture {
protected:
    FileFaults() { load(kTaroBytes); }
    highscores::NameEntry entry{table, mainWindow, messageBox, 9, 2};
};

TEST_F(FileFaults, ADamagedTableIsNeverWrittenOverBeforeItIsSetAside)
{
    writeBytes(path(), kDamaged);
    withFileSizeLimit(0, [&] { table.LoadHighScores(mainWindow); });
    EXPECT_EQ(messageBox.shown, (Boxes{kLoadError, cannotWrite("hs.hsd", "File too large")}));
    EXPECT_EQ(entries(), QStringList{"hs.hsd.bak"}) << "set aside, and no short default in its place";

    // No renames: OK and the clear each try the backup again and write nothing.
    messageBox.shown.clear();
    files.failRenames = "Input/output error";
    load(kDamaged);
    EXPECT_FALSE(entry.Command1_Click("Dan")) << "the window stays open";
    table.ClearHighScores(mainWindow);
    const QString noBackup = cannotWrite("hs.hsd.bak", "Input/output error");
    EXPECT_EQ(messageBox.shown, (Boxes{kLoadError, noBackup, noBackup, kAskClear, noBackup}));
    EXPECT_EQ(fileBytes(), kDamaged);

    // Renames work again: OK sets it aside under a name nothing has (a
    // directory has hs.hsd.1.bak), then saves.
    ASSERT_TRUE(QDir(directory.path()).mkdir("hs.hsd.1.bak"));
    files.failRenames.reset();
    EXPECT_TRUE(entry.Command1_Click("Dan"));
    EXPECT_EQ(entries(), (QStringList{"hs.hsd", "hs.hsd.1.bak", "hs.hsd.2.bak", "hs.hsd.bak"}));
    EXPECT_EQ(fileBytes("hs.hsd.bak") + fileBytes("hs.hsd.2.bak"), kDamaged + kDamaged);
    EXPECT_EQ(memory(), (Rows{"9,Dan", "0,none", "0,none"})) << "inserted into the default table in memory";

    // A damaged table that has gone meanwhile holds up nothing.
    files.failRenames = "Input/output error";
    load(kDamaged);
    ASSERT_TRUE(QFile::remove(path()));
    table.ClearHighScores(mainWindow);
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
}

TEST_F(FileFaults, ADirectoryOrALinkToAPipeIsReportedAndLeftAlone)
{
    ASSERT_TRUE(QFile::remove(path()) && QDir(directory.path()).mkdir("hs.hsd"));
    table.LoadHighScores(mainWindow);
    // Opening the pipe would stall the load until someone writes to it.
    ASSERT_TRUE(QDir(directory.path()).rmdir("hs.hsd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("pipe"), path()));
    table.LoadHighScores(mainWindow);
    EXPECT_FALSE(entry.Command1_Click("Dan")) << "the window stays open";

    const QString notAFile = cannotWrite("hs.hsd", "not a regular file");
    EXPECT_EQ(messageBox.shown,
              (Boxes{kLoadError, cannotWrite("hs.hsd", "Is a directory"), kLoadError, notAFile, notAFile}));
    EXPECT_EQ(entries(), (QStringList{"hs.hsd", "pipe"})) << "no backup";
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), path("pipe"));
    EXPECT_FALSE(QFileInfo(path("pipe")).isFile()) << "still the pipe";
    EXPECT_EQ(memory(), kNoneInMemory);

    // A link that leads to itself cannot even be looked at: no missing file.
    messageBox.shown.clear();
    ASSERT_TRUE(QFile::remove(path()) && QFile::link(path(), path()));
    table.LoadHighScores(mainWindow);
    EXPECT_EQ(messageBox.shown, (Boxes{kLoadError, cannotWrite("hs.hsd", "Too many levels of symbolic links")}));
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), path());
}

TEST_F(FileFaults, AHugeFileIsReadOnlyAtItsStartAndSetAsideWhole)
{
    // Gigabytes of NULs after a level, no line end anywhere; sparse, they
    // cost no disk.
    writeBytes(path(), "12,");
    ASSERT_TRUE(QFile::resize(path(), 5LL << 30));
    struct stat huge {
    }, kept{};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &huge), 0);
    rusage before{}, after{};
    ::getrusage(RUSAGE_SELF, &before);
    table.LoadHighScores(mainWindow);
    ::getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 1L << 20) << "the load took a gigabyte or more";
    EXPECT_EQ(messageBox.shown, Boxes{kLoadError});
    EXPECT_EQ(fileBytes(), kDefaultTableBytes);
    // The very same file moved, not copied: no second copy filling the disk.
    ASSERT_EQ(::stat(QFile::encodeName(path("hs.hsd.bak")).constData(), &kept), 0);
    EXPECT_EQ(kept.st_ino, huge.st_ino);
    EXPECT_EQ(kept.st_size, huge.st_size);
}
