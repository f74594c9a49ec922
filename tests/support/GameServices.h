// What the game stands on in a test or a benchmark: a directory of its own
// for hs.hsd, services that record what was asked and answer from a script,
// and a disk that fails when told to. And hs.hsd's bytes on disk.
#pragma once

#include "highscores/HighScoreLabels.h"
#include "highscores/MainWindowLink.h"
#include "platform/FileCalls.h"
#include "platform/FileStore.h"
#include "platform/MessageBoxService.h"
#include "platform/RandomSource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

// Failures print a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace testing_support {

// What a fresh or cleared hs.hsd holds.
inline const QByteArray kDefaultTableBytes = QByteArrayLiteral("0,None\r\n0,None\r\n0,None\r\n");

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every box shown, as "title|prompt"; answers from a script, OK once it runs
// out. whileOpen runs while the box is "up", to look at the game then.
class FakeMessageBox final : public platform::MessageBoxService {
public:
    platform::MessageBoxResult show(const QString& prompt, platform::MessageBoxButtons buttons,
                                    const QString& title) override
    {
        shown.push_back(title + u'|' + prompt);
        asked.push_back(buttons);
        if (whileOpen)
            whileOpen();
        return asked.size() <= answers.size() ? answers[asked.size() - 1] : platform::MessageBoxResult::Ok;
    }

    std::vector<QString> shown;
    std::vector<platform::MessageBoxButtons> asked;
    std::vector<platform::MessageBoxResult> answers;  // to the first boxes, in turn
    std::function<void()> whileOpen;
};

// Plays back a fixed sequence of draws, cycling; counts the reseeds.
class ScriptedRandom final : public platform::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = {0.25F}) : draws_(std::move(draws)) {}
    void reseedFromClock() override { ++reseeds; }
    float next() override { return draws_[next_++ % draws_.size()]; }

    int reseeds = 0;

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

// A table as "level,name" rows, best first, so failures print readably.
using Rows = std::vector<std::string>;

// The main window's table with its designed captions; counts how often it
// is brought forward.
class FakeMainWindow final : public highscores::MainWindowLink {
public:
    void setLabel3Caption(int index, const QString& caption) override { captions.at(index) = caption; }
    void Show() override { ++shows; }

    Rows rows() const
    {
        Rows rows;
        for (std::size_t i = 0; i < 3; ++i)
            rows.push_back(captions.at(highscores::levelLabel(i)).toStdString() + "," +
                           captions.at(highscores::nameLabel(i)).toStdString());
        return rows;
    }

    std::array<QString, 6> captions{"None", "None", "None", "0", "0", "0"};
    int shows = 0;
};

using platform::CallError;
using platform::CallFailure;
using platform::CallResult;
using platform::FileHandle;
using platform::NameKind;

// The system's calls, until a test makes some fail: the call numbered failAt
// (counting from 1 as made), every call named in `failing`, or every call
// that names a file as busy while busyCalls lasts. A failed close still
// closes; pauses only add up. afterCall runs after each call that went
// through.
class FailingFileCalls final : public platform::FileCalls {
public:
    static constexpr long kInjected = 1'000'000;  // the error code of a failure put in

    CallResult<NameKind> lookAt(const QString& path) override { return pass("lookAt", &FileCalls::lookAt, path); }
    CallResult<platform::OpenedFile> openToRead(const QString& path) override
    {
        return pass("openToRead", &FileCalls::openToRead, path);
    }
    CallResult<FileHandle> createNew(const QString& path, const QString& rightsOf) override
    {
        return pass("createNew", &FileCalls::createNew, path, rightsOf);
    }
    CallResult<qint64> read(FileHandle file, char* bytes, qint64 size) override
    {
        return pass("read", &FileCalls::read, file, bytes, size);
    }
    CallResult<qint64> write(FileHandle file, const char* bytes, qint64 size) override
    {
        return pass("write", &FileCalls::write, file, bytes, size);
    }
    CallFailure flush(FileHandle file) override { return pass("flush", &FileCalls::flush, file); }
    CallFailure close(FileHandle file) override
    {
        const CallFailure closed = system_->close(file);
        const CallFailure failed = turn("close", false);
        return failed ? failed : closed;
    }
    CallFailure renameOver(const QString& from, const QString& to) override
    {
        return pass("renameOver", &FileCalls::renameOver, from, to);
    }
    CallFailure renameToFreeName(const QString& from, const QString& to) override
    {
        return pass("renameToFreeName", &FileCalls::renameToFreeName, from, to);
    }
    CallFailure remove(const QString& path) override { return pass("remove", &FileCalls::remove, path); }
    CallFailure syncDirectoryOf(const QString& path) override
    {
        return pass("syncDirectoryOf", &FileCalls::syncDirectoryOf, path);
    }
    void pause(std::chrono::milliseconds duration) override { paused += duration; }
    QString reason(const CallError& error) const override
    {
        return error.code == kInjected ? QStringLiteral("injected failure") : system_->reason(error);
    }

    int made = 0;
    int failAt = 0;
    std::set<std::string> failing;
    int busyCalls = 0;
    std::chrono::milliseconds paused{0};
    std::function<void(const std::string& call)> afterCall;

private:
    // How the call now made fails, if it does.
    CallFailure turn(const std::string& name, bool namesAFile)
    {
        if (namesAFile && busyCalls > 0) {
            --busyCalls;
            return CallError{CallError::Kind::Busy, kInjected};
        }
        if (++made == failAt || failing.count(name) != 0)
            return CallError{CallError::Kind::Other, kInjected};
        return std::nullopt;
    }

    // The call made, or its failure.
    template <typename Result, typename... Parameters, typename... Arguments>
    Result pass(const std::string& name, Result (FileCalls::*call)(Parameters...), const Arguments&... arguments)
    {
        if (const CallFailure failed = turn(name, (std::is_same_v<Arguments, QString> || ...))) {
            if constexpr (std::is_same_v<Result, CallFailure>)
                return failed;
            else
                return Result{{}, failed};
        }
        Result result = (system_.get()->*call)(arguments...);
        if (afterCall)
            afterCall(name);
        return result;
    }

    std::unique_ptr<FileCalls> system_ = platform::systemFileCalls();
};

// The services, over a directory of their own.
struct GameServices {
    GameServices() = default;
    // hs.hsd in a folder of this name inside that directory.
    explicit GameServices(const QString& subfolder) : folder(directory.filePath(subfolder)) { QDir().mkpath(folder); }

    // hs.hsd, or a file beside it.
    QString path(const char* name = "hs.hsd") const { return QDir(folder).filePath(QString::fromUtf8(name)); }
    // Everything beside hs.hsd, hidden files too.
    QStringList entries() const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    // The box that says hs.hsd could not be written, and why, as FakeMessageBox
    // records it.
    QString cannotWrite(const QString& reason) const
    {
        return "エラー|ハイスコアデータを書き込めませんでした\r\n" + QDir::toNativeSeparators(path()) + "\r\n" + reason;
    }

    QTemporaryDir directory;
    QString folder = directory.path();  // hs.hsd's
    FakeMessageBox messageBox;
    ScriptedRandom random;
    FailingFileCalls calls;
    platform::DiskFileStore files{calls};
};

}  // namespace testing_support
