// A save as the real kernel sees it: each new file is synced before it takes
// its name, and the directory after, so that a kill or a power cut at any
// moment leaves the old table or the new one beside a whole backup. (Each
// call of a save failed in turn is the table tests' job, on every system.)

#include "support/GameServices.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using testing_support::readBytes;

namespace {

class SaveDurability : public ::testing::Test, protected testing_support::GameServices {
protected:
    // The calls of one save of the new table, as strace logs them, with the
    // file behind each descriptor.
    QStringList saveUnderStrace() const
    {
        const QString log = folder + QStringLiteral(".log");
        QProcess strace;
        // LeakSanitizer cannot look at a process that is being traced.
        const QString noLeakCheck = "ASAN_OPTIONS=" + qEnvironmentVariable("ASAN_OPTIONS") + ":detect_leaks=0";
        strace.start("strace", QStringList{"-y", "-E", noLeakCheck, "-o", log, TABLE_SAVER, folder});
        const bool finished = strace.waitForFinished(10'000);  // ms
        EXPECT_TRUE(finished) << "strace (scripts/setup.sh installs it): " << strace.errorString().toStdString();
        EXPECT_EQ(strace.exitCode(), 0) << strace.readAllStandardOutput().toStdString();
        const QStringList calls = QString::fromUtf8(readBytes(log)).split(u'\n', Qt::SkipEmptyParts);
        QFile::remove(log);
        return calls;
    }

    // Where the first call that matches stands in the trace, from the given
    // place on, and what it matched; past the end when none does.
    static std::pair<qsizetype, QRegularExpressionMatch> find(const QStringList& calls, const QString& pattern,
                                                              qsizetype from = 0)
    {
        const QRegularExpression expression(pattern);
        for (; from < calls.size(); ++from) {
            if (QRegularExpressionMatch match = expression.match(calls[from]); match.hasMatch())
                return {from, match};
        }
        return {from, {}};
    }

    const QString folder = QFileInfo(directory.path()).canonicalFilePath();  // as strace names it
};

}  // namespace

// Over a table in another form (line feeds), which the save first copies
// aside: the copy, then the new table.
TEST_F(SaveDurability, EachFileIsSyncedBeforeItTakesItsNameAndTheDirectoryAfter)
{
    const QByteArray oldTable = "12,Taro\n7,Hanako\n3,Jiro\n";
    testing_support::writeBytes(path(), oldTable);
    const QStringList calls = saveUnderStrace();
    ASSERT_EQ(readBytes(path()) + readBytes(path("hs.hsd.bak")), "13,Dan\r\n12,Taro\r\n7,Hanako\r\n" + oldTable);
    const QString inFolder = QRegularExpression::escape(folder);
    for (const char* name : {"hs\\.hsd\\.bak", "hs\\.hsd"}) {
        SCOPED_TRACE(name);
        const auto [named, rename] = find(calls, "^rename\\w*\\(.*\"(" + inFolder + '/' + name + "\\.[a-z]{6})\".*\"" +
                                                     inFolder + '/' + name + "\"[^\"]*= 0$");
        ASSERT_LT(named, calls.size());
        const QString synced = "^fsync\\(\\d+<" + QRegularExpression::escape(rename.captured(1)) + ">\\)\\s*= 0$";
        EXPECT_LT(find(calls, synced).first, named);
        EXPECT_LT(find(calls, "^fsync\\(\\d+<" + inFolder + ">\\)\\s*= 0$", named).first, calls.size());
    }
}
