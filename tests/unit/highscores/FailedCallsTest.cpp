// A save whose system calls fail: one failed call at any point, and a file
// another program holds open for a while.
#include "highscores/Module1.h"
#include "support/GameServices.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <utility>

#ifdef _WIN32
#include <windows.h>

#include <thread>
#endif

using namespace testing_support;

namespace {

const QByteArray kOwnTable = "12,Taro\r\n7,Hanako\r\n3,Jiro\r\n";
const QByteArray kOtherForm = "12,Taro\n7,Hanako\n3,Jiro\n";  // set aside before a save
const QByteArray kDanTable = "13,Dan\r\n12,Taro\r\n7,Hanako\r\n";

class FailedCalls : public ::testing::Test, protected GameServices {
protected:
    // hs.hsd alone in its folder, holding these bytes, and read by a game.
    void start(const QByteArray& bytes)
    {
        for (const QString& entry : entries())
            QFile::remove(path(entry.toUtf8().constData()));
        writeBytes(path(), bytes);
        messageBox.shown.clear();
        FakeMainWindow mainWindow;
        table.emplace(messageBox, files, folder);
        const int failAt = std::exchange(calls.failAt, 0);  // not while loading
        table->LoadHighScores(mainWindow);
        calls.failAt = failAt;
        calls.made = 0;
    }
    // Saves 13 Dan, 12 Taro, 7 Hanako; true if that went through.
    bool saveDan()
    {
        const highscores::HighScoreTable dan{{{13, "Dan"}, {12, "Taro"}, {7, "Hanako"}}};
        return !table->SaveHighScores(highscores::replacedBy(dan), messageBox).failure;
    }

    std::optional<highscores::Module1> table;
};

}  // namespace

// Fails each call of the save in turn, one a run, until a run makes no call
// that late: over a table in another form, which the save first copies
// aside, and over the game's own. A refused save leaves hs.hsd as it was,
// beside at most a whole backup, and says which file and why; a save that
// goes on leaves the new table whole. Nothing half written is left.
TEST_F(FailedCalls, EachFailedCallKeepsTheOldTableOrSavesTheNewWhole)
{
    for (const QByteArray& old : {kOtherForm, kOwnTable}) {
        int refused = 0;
        int saved = 0;
        for (calls.failAt = 1;; ++calls.failAt) {
            SCOPED_TRACE("call " + std::to_string(calls.failAt) + " failed over " + old.toStdString());
            start(old);
            const bool done = saveDan();
            if (calls.made < calls.failAt)
                break;
            const bool backedUp =
                entries() == QStringList{"hs.hsd", "hs.hsd.bak"} && readBytes(path("hs.hsd.bak")) == old;
            EXPECT_TRUE(backedUp || entries() == QStringList{"hs.hsd"}) << entries().join(' ').toStdString();
            EXPECT_EQ(readBytes(path()), done ? kDanTable : old);
            if (done) {
                EXPECT_EQ(backedUp, old == kOtherForm);
            }
            EXPECT_EQ(messageBox.shown, done ? std::vector<QString>{} : std::vector{cannotWrite("injected failure")});
            ++(done ? saved : refused);
        }
        EXPECT_GT(refused, 0);
        EXPECT_GT(saved, 0) << "a failure after the table took its name is no failed save";
    }
}

// A save that goes through, call by call: each new file, the backup and then
// the table, reaches the disk before it takes its name, and the directory
// after, so that a kill or a power cut at any moment leaves the old table or
// the new one beside a whole backup.
TEST_F(FailedCalls, EachFileReachesTheDiskBeforeItTakesItsName)
{
    start(kOtherForm);
    const std::set<std::string> durable{"createNew", "flush", "renameToFreeName", "renameOver", "syncDirectoryOf"};
    std::vector<std::string> made;
    calls.afterCall = [&](const std::string& call) {
        if (durable.count(call) != 0)
            made.push_back(call);
    };
    ASSERT_TRUE(saveDan());
    EXPECT_EQ(made, (std::vector<std::string>{"createNew", "flush", "renameToFreeName", "syncDirectoryOf", "createNew",
                                              "flush", "renameOver", "syncDirectoryOf"}));
}

// Another program (a virus scanner, the indexer) holds hs.hsd for a moment:
// the save waits for about two seconds, then gives up and says so.
TEST_F(FailedCalls, AFileHeldForAMomentIsWaitedOut)
{
    start(kOwnTable);
    calls.busyCalls = 39;
    EXPECT_TRUE(saveDan());
    EXPECT_EQ(readBytes(path()), kDanTable);

    start(kOwnTable);
    calls.busyCalls = 1000;
    calls.paused = {};
    EXPECT_FALSE(saveDan());
    EXPECT_GE(calls.paused, std::chrono::milliseconds(1500));
    EXPECT_LE(calls.paused, std::chrono::milliseconds(2500));
    EXPECT_EQ(messageBox.shown, std::vector{cannotWrite("injected failure")});
    EXPECT_EQ(readBytes(path()), kOwnTable);
}

#ifdef _WIN32
// The same through Windows itself, waiting in real time: hs.hsd opened with
// no sharing, by another thread, for half a second, then for longer than the
// save waits.
TEST_F(FailedCalls, WindowsWaitsOutAFileOpenedWithoutSharing)
{
    const std::unique_ptr<platform::FileCalls> system = platform::systemFileCalls();
    platform::DiskFileStore disk(*system);
    for (const int heldFor : {500, 3000}) {  // ms
        start(kOwnTable);
        table.emplace(messageBox, disk, folder);
        const HANDLE file = CreateFileW(path().toStdWString().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        std::thread holder([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(heldFor));
            CloseHandle(file);
        });
        const bool done = saveDan();
        holder.join();
        EXPECT_EQ(done, heldFor == 500) << heldFor << " ms";
        EXPECT_EQ(readBytes(path()), done ? kDanTable : kOwnTable);
        EXPECT_EQ(messageBox.shown.size(), done ? 0U : 1U);
    }
}
#endif
