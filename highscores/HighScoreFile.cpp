#include "highscores/HighScoreFile.h"

#include "highscores/HighScoreFormat.h"
#include "platform/AnsiCodePage.h"

#include <QDir>

#include <utility>

namespace highscores {
namespace {

// A table takes a few dozen bytes and whatever follows it is never read, so a
// huge file costs no more than this.
constexpr qint64 kReadLimit = 1024 * 1024;

// Backup names tried before giving up; the damaged table then stays where
// it is.
constexpr int kMostBackups = 1000;

// hs.hsd.bak, then hs.hsd.1.bak, hs.hsd.2.bak ...
QString backupName(const QString& path, int number)
{
    return number == 0 ? path + QStringLiteral(".bak") : QStringLiteral("%1.%2.bak").arg(path).arg(number);
}

}  // namespace

HighScoreFile::HighScoreFile(platform::FileStore& files, const QString& directory)
    : files_(files), path_(QDir(directory).filePath(QStringLiteral("hs.hsd")))
{
}

HighScoreFile::Reading HighScoreFile::read() const
{
    using State = platform::FileStart::State;
    const platform::FileStart start = files_.readStart(path_, kReadLimit);
    if (start.state == State::Unreadable)
        return {std::nullopt, true};
    if (start.state != State::Read)
        return {std::nullopt, false};
    std::optional<HighScoreTable> table = parseHighScores(platform::fromAnsi(start.bytes));
    const bool damaged = !table && !start.bytes.isEmpty();
    return {std::move(table), damaged};
}

std::optional<HighScoreTable> HighScoreFile::load()
{
    Reading reading = read();
    damagedInPlace_ = reading.damaged;
    return std::move(reading.table);
}

std::optional<platform::FileFailure> HighScoreFile::save(const HighScoreTable& table)
{
    // A damaged table that has gone, or been mended, since needs no backup.
    if (damagedInPlace_ && read().damaged) {
        if (std::optional<platform::FileFailure> failure = setAsideDamaged())
            return failure;
    }
    damagedInPlace_ = false;
    return files_.replace(path_, platform::toAnsi(formatHighScores(table)));
}

std::optional<platform::FileFailure> HighScoreFile::setAsideDamaged()
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
