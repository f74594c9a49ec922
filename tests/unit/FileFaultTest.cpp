#include "highscores/NameEntry.h"
#include "support/HighScoreFixture.h"

#include <QDir>

#include <sys/resource.h>

#include <csignal>

using namespace testing_support;
using highscores::NameEntry;

namespace {

// Writes past a size fail for this process as they would on a disk that
// fills up part way: the system's own short write and error, no fake.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
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
    rlimit old_{};
    // The write fails with "File too large" instead of the signal ending the test.
    void (*oldSignal_)(int) = std::signal(SIGXFSZ, SIG_IGN);
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
        return QDir(directory.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_F(FileFaults, AWriteThatStopsShortKeepsTheOldTableAndTheWindowOpen)
{
    // No room at all, then room for part of the new table.
    for (const rlim_t room : {0, 10}) {
        messageBox.shown.clear();
        {
            const FileSizeLimit limit(room);
            EXPECT_FALSE(entry.Command1_Click(QStringLiteral("Dan"))) << room;
        }
        expectWriteFailure(0, "hs.hsd", QStringLiteral("File too large"));
        EXPECT_EQ(fileBytes(), kTaroHanakoJiro) << room;
        EXPECT_EQ(entries(), QStringList{QStringLiteral("hs.hsd")}) << "no half-written file is left behind";
        EXPECT_EQ(memory(), kTaroRows);
        EXPECT_EQ(mainWindow.rows(), kTaroRows);
    }
    EXPECT_TRUE(entry.Command1_Click(QStringLiteral("Dan")));
    EXPECT_EQ(fileBytes(), withDan);
}
