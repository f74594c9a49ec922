// A save that fails at any system call leaves hs.hsd as the old table or the
// new one, byte for byte, beside any backup made whole, and a failed save
// reaches the player. The table is synced before it takes the name hs.hsd,
// so that a kill or a power cut at any moment leaves one or the other too.

#include "support/GameServices.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>

using testing_support::readBytes;

namespace {

const QByteArray kOldTable = QByteArrayLiteral("12,Taro\n7,Hanako\n3,Jiro\n");
const QByteArray kNewTable = QByteArrayLiteral("13,Dan\r\n12,Taro\r\n7,Hanako\r\n");

class SaveDurability : public ::testing::Test, protected testing_support::GameServices {
protected:
    // Where the first call matching the pattern stands in the trace, from
    // the given place on; past the end when none does.
    static qsizetype find(const QStringList& calls, const QString& pattern, qsizetype from = 0)
    {
        const QRegularExpression expression(pattern);
        while (from < calls.size() && !expression.match(calls[from]).hasMatch())
            ++from;
        return from;
    }

    // Where the new table took the name hs.hsd, by a rename over it or a link
    // where there was none: after its bytes reached the disk.
    qsizetype placedAfterSync(const QStringList& calls) const
    {
        const qsizetype placed = find(calls, "^(rename|linkat)\\(.*\"" + inFolder + "/hs\\.hsd\"[^\"]*\\)\\s*= 0$");
        EXPECT_LT(find(calls, "^f(data)?sync\\(\\d+<" + inFolder + "/.*\\)\\s*= 0$"), placed);
        EXPECT_LT(placed, calls.size());
        return placed;
    }

    struct Run {
        int status;
        QString out;
        QStringList calls;  // as strace logs them, with the file behind each descriptor
    };

    // One save of the new table under strace, with these further options.
    Run saveUnderStrace(const QStringList& options) const
    {
        const QString log = folder + QStringLiteral(".log");
        QProcess strace;
        // LeakSanitizer cannot look at a process that is being traced.
        const QString noLeakCheck = "ASAN_OPTIONS=" + qEnvironmentVariable("ASAN_OPTIONS") + ":detect_leaks=0";
        strace.start("strace",
                     QStringList{"-y", "-E", noLeakCheck, "-o", log} + options + QStringList{TABLE_SAVER, folder});
        const bool finished = strace.waitForFinished(10'000);  // ms
        EXPECT_TRUE(finished) << "strace (scripts/setup.sh installs it): " << strace.errorString().toStdString();
        Run run{finished ? strace.exitCode() : -1, QString::fromUtf8(strace.readAllStandardOutput()),
                QString::fromUtf8(readBytes(log)).split(u'\n', Qt::SkipEmptyParts)};
        QFile::remove(log);
        return run;
    }

    const QString folder = QFileInfo(directory.path()).canonicalFilePath();  // as strace names it
    const QString inFolder = QRegularExpression::escape(folder);             // in a pattern
};

}  // namespace

// Over a table in another form (line feeds), which the save first copies
// aside: every call a save over the game's own table makes, and the copy's.
TEST_F(SaveDurability, EachFailedSystemCallKeepsTheOldTableOrSavesTheNewWhole)
{
    testing_support::writeBytes(path(), kOldTable);
    const Run clean = saveUnderStrace({});
    ASSERT_EQ(clean.status, 0) << clean.out.toStdString();
    ASSERT_EQ(readBytes(path()) + readBytes(path("hs.hsd.bak")), kNewTable + kOldTable);
    // Synced, placed, then the directory synced: a power cut brings back
    // neither an empty table nor the old one.
    const qsizetype placed = placedAfterSync(clean.calls);
    EXPECT_LT(find(clean.calls, "^fsync\\(\\d+<" + inFolder + ">\\)\\s*= 0$", placed), clean.calls.size());

    // Fail, one run each, every call of the save that touches the table's
    // directory or a file in it; strace counts the calls of a name from the
    // program's start.
    const qsizetype saving = find(clean.calls, QStringLiteral("^write\\(1<.*\"saving\\\\n\""));
    ASSERT_LT(saving, clean.calls.size());
    std::map<QString, int> seen;
    for (qsizetype i = 0; i < clean.calls.size(); ++i) {
        const QString& call = clean.calls[i];
        const QString name = call.section(u'(', 0, 0);
        const int when = ++seen[name];
        if (i <= saving || !call.contains(folder))
            continue;
        QFile::remove(path("hs.hsd.bak"));
        testing_support::writeBytes(path(), kOldTable);
        const Run run = saveUnderStrace({"-e", QStringLiteral("inject=%1:error=EIO:when=%2").arg(name).arg(when)});
        SCOPED_TRACE(call.toStdString() + "\n" + run.out.toStdString());
        ASSERT_LT(find(run.calls, QStringLiteral("\\(INJECTED\\)$")), run.calls.size());
        // Nothing half written is left: at most a whole backup.
        const bool backedUp =
            entries() == QStringList{"hs.hsd", "hs.hsd.bak"} && readBytes(path("hs.hsd.bak")) == kOldTable;
        EXPECT_TRUE(backedUp || entries() == QStringList{"hs.hsd"}) << entries().join(' ').toStdString();
        if (run.status == 0) {
            EXPECT_EQ(readBytes(path()), kNewTable);
            EXPECT_TRUE(backedUp);
            placedAfterSync(run.calls);
            EXPECT_FALSE(run.out.contains(QStringLiteral("ハイスコア")));
        } else {
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(readBytes(path()), kOldTable);
            // Which file, and why.
            const QString prompt = testing_support::cannotWritePrompt(folder + "/hs.hsd", QString());
            EXPECT_TRUE(run.out.contains(QRegularExpression(QRegularExpression::escape(prompt) + "\\S")));
        }
    }
}
