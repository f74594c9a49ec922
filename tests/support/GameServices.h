// What the game stands on in a test or a benchmark: a directory of its own
// for hs.hsd, services that record what was asked and answer from a script,
// and a disk that fails when told to. And hs.hsd's bytes on disk.
#pragma once

#include "highscores/HighScoreLabels.h"
#include "highscores/MainWindowLink.h"
#include "platform/FileStore.h"
#include "platform/MessageBoxService.h"
#include "platform/RandomSource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

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

// The prompt that says which file could not be written, and why.
inline QString cannotWritePrompt(const QString& path, const QString& reason)
{
    return "ハイスコアデータを書き込めませんでした\r\n" + QDir::toNativeSeparators(path) + "\r\n" + reason;
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

// The disk, until a test makes every read, every replacing write or every
// copy fail for a reason of its choosing. afterWrite runs after each write that
// went through.
class FailingFileStore final : public platform::FileStore {
public:
    platform::FileStart readStart(const QString& path, qint64 maxBytes) const override
    {
        return failReads ? platform::FileStart{platform::FileStart::State::Unreadable, {}, *failReads}
                         : disk_.readStart(path, maxBytes);
    }
    std::optional<platform::FileFailure> replace(const QString& path, const QByteArray& bytes) override
    {
        if (failWrites)
            return platform::FileFailure{path, *failWrites};
        std::optional<platform::FileFailure> failure = disk_.replace(path, bytes);
        if (!failure && afterWrite)
            afterWrite();
        return failure;
    }
    std::optional<platform::FileFailure> copy(const QString& from, const QString& to) override
    {
        return failCopies ? platform::FileFailure{to, *failCopies} : disk_.copy(from, to);
    }

    std::optional<QString> failReads;
    std::optional<QString> failWrites;
    std::optional<QString> failCopies;
    std::function<void()> afterWrite;

private:
    platform::DiskFileStore disk_;
};

// The services, over a directory of their own.
struct GameServices {
    // hs.hsd, or a file beside it.
    QString path(const char* name = "hs.hsd") const { return directory.filePath(QString::fromUtf8(name)); }
    // Everything in the directory, hidden files too.
    QStringList entries() const
    {
        return QDir(directory.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir directory;
    FakeMessageBox messageBox;
    ScriptedRandom random;
    FailingFileStore files;
};

}  // namespace testing_support
