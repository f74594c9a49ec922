#include "highscores/HighScoreFile.h"

#include "highscores/HighScoreFormat.h"
#include "platform/CodePage932.h"

#include <QDir>

namespace highscores {
namespace {

// A table takes a few dozen bytes and whatever follows it is never read, so a
// huge file costs no more than this.
constexpr qint64 kReadLimit = 1024 * 1024;

// Backup names tried before giving up; the file then stays where it is.
constexpr int kMostBackups = 1000;

// hs.hsd.bak, then hs.hsd.1.bak, hs.hsd.2.bak ...
QString backupName(const QString& path, int number)
{
    return number == 0 ? path + QStringLiteral(".bak") : QStringLiteral("%1.%2.bak").arg(path).arg(number);
}

QByteArray bytesOf(const HighScoreTable& table)
{
    return platform::toCodePage932(formatHighScores(table));
}

// The table in the bytes when they are exactly what the game writes for it,
// so that writing over them loses nothing.
std::optional<HighScoreTable> ownTable(const QByteArray& bytes)
{
    std::optional<HighScoreTable> table = parseHighScores(platform::fromCodePage932(bytes));
    if (table && bytesOf(*table) != bytes)
        table.reset();
    return table;
}

}  // namespace

HighScoreFile::HighScoreFile(platform::FileStore& files, const QString& directory)
    : files_(files), path_(QDir(directory).filePath(QStringLiteral("hs.hsd")))
{
}

std::optional<HighScoreTable> HighScoreFile::load()
{
    const platform::FileStart start = files_.readStart(path_, kReadLimit);
    if (start.state != platform::FileStart::State::Read)
        return std::nullopt;
    known_ = start.bytes;
    return parseHighScores(platform::fromCodePage932(start.bytes));
}

SaveResult HighScoreFile::save(const HighScoreTable& held, const TableChange& change)
{
    // A table of the game's own is far below the limit, so a file read only
    // in part is never taken for one.
    const platform::FileStart start = files_.readStart(path_, kReadLimit);
    // What cannot be read now may be a good table: it is neither set aside
    // nor written over.
    if (start.state == platform::FileStart::State::Unreadable)
        return {{}, platform::FileFailure{path_, start.reason}};
    const std::optional<HighScoreTable> own = ownTable(start.bytes);
    const bool savedElsewhere = own && start.bytes != known_;
    const std::optional<HighScoreTable> changed = change(savedElsewhere ? *own : held);
    if (!changed)
        return {};
    if (std::optional<platform::FileFailure> failure = writeOver(start, own.has_value(), bytesOf(*changed)))
        return {{}, failure};
    return {changed, {}};
}

std::optional<platform::FileFailure> HighScoreFile::bringIn(const QByteArray& bytes)
{
    const platform::FileStart start = files_.readStart(path_, kReadLimit);
    if (start.state == platform::FileStart::State::Unreadable)
        return platform::FileFailure{path_, start.reason};
    return writeOver(start, ownTable(start.bytes) || start.bytes == bytes, bytes);
}

// Replaces the file as it was read at the start of the save with the bytes;
// unless they are the game's own, its bytes are set aside first.
std::optional<platform::FileFailure> HighScoreFile::writeOver(const platform::FileStart& start, bool ownBytes,
                                                              const QByteArray& bytes)
{
    const bool holdsBytes = start.state == platform::FileStart::State::Read && !start.bytes.isEmpty();
    if (holdsBytes && !ownBytes) {
        if (std::optional<platform::FileFailure> failure = setAside())
            return failure;
    }
    if (std::optional<platform::FileFailure> failure = files_.replace(path_, bytes))
        return failure;
    known_ = bytes;
    return std::nullopt;
}

// The file stays where it is, whatever fails: what is set aside is a copy.
std::optional<platform::FileFailure> HighScoreFile::setAside()
{
    std::optional<platform::FileFailure> failure;
    for (int number = 0; number < kMostBackups; ++number) {
        failure = files_.copy(path_, backupName(path_, number));
        if (!failure)
            return std::nullopt;
        if (!failure->nameTaken)
            break;
    }
    // The file that stays as it was is hs.hsd, whichever name the copy failed on.
    return platform::FileFailure{path_, failure->reason};
}

}  // namespace highscores
