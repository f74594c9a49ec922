#include "highscores/HighScoreFile.h"

#include "highscores/HighScoreFormat.h"
#include "platform/AnsiCodePage.h"

#include <QDir>

#include <utility>

namespace highscores {
namespace {

// A table takes a few dozen bytes and whatever follows it is never read, so a
// huge file costs no more than this. One byte more tells a file that was not
// read whole.
constexpr qint64 kReadLimit = 1024 * 1024;

// Backup names tried before giving up; the file then stays where it is.
constexpr int kMostBackups = 1000;

// hs.hsd.bak, then hs.hsd.1.bak, hs.hsd.2.bak ...
QString backupName(const QString& path, int number)
{
    return number == 0 ? path + QStringLiteral(".bak") : QStringLiteral("%1.%2.bak").arg(path).arg(number);
}

// Whether writing the table back loses nothing of the file: it was read
// whole, every byte decoded as itself, and every name reads back as it is.
bool survivesRewrite(const QByteArray& bytes, const HighScoreTable& table)
{
    return bytes.size() <= kReadLimit && platform::toAnsi(platform::fromAnsi(bytes)) == bytes &&
           parseHighScores(platform::fromAnsi(platform::toAnsi(formatHighScores(table)))) == table;
}

}  // namespace

HighScoreFile::HighScoreFile(platform::FileStore& files, const QString& directory)
    : files_(files), path_(QDir(directory).filePath(QStringLiteral("hs.hsd")))
{
}

platform::FileStart HighScoreFile::readStart() const
{
    return files_.readStart(path_, kReadLimit + 1);
}

std::optional<HighScoreTable> HighScoreFile::load()
{
    const platform::FileStart start = readStart();
    if (start.state != platform::FileStart::State::Read)
        return std::nullopt;
    std::optional<HighScoreTable> table = parseHighScores(platform::fromAnsi(start.bytes));
    if (table && survivesRewrite(start.bytes, *table))
        known_ = start.bytes;
    return table;
}

std::optional<platform::FileFailure> HighScoreFile::save(const HighScoreTable& table)
{
    if (std::optional<platform::FileFailure> failure = keepWhatOthersWrote())
        return failure;
    const QByteArray bytes = platform::toAnsi(formatHighScores(table));
    if (std::optional<platform::FileFailure> failure = files_.replace(path_, bytes))
        return failure;
    known_ = bytes;
    return std::nullopt;
}

std::optional<platform::FileFailure> HighScoreFile::keepWhatOthersWrote()
{
    using State = platform::FileStart::State;
    const platform::FileStart start = readStart();
    // What cannot be read now may be a good table: it is neither set aside
    // nor written over.
    if (start.state == State::Unreadable)
        return platform::FileFailure{path_, start.reason};
    // An empty file holds nothing to keep.
    if (start.state == State::Read && !start.bytes.isEmpty() && start.bytes != known_)
        return setAside();
    return std::nullopt;
}

std::optional<platform::FileFailure> HighScoreFile::setAside()
{
    std::optional<platform::FileFailure> failure;
    for (int number = 0; number < kMostBackups; ++number) {
        failure = files_.rename(path_, backupName(path_, number));
        if (!failure || !failure->nameTaken)
            break;
    }
    return failure;
}

}  // namespace highscores
