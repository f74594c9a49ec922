#include "highscores/HighScoreFile.h"

#include "highscores/HighScoreFormat.h"
#include "platform/AnsiCodePage.h"

#include <QDir>

namespace highscores {
namespace {

// A table takes a few dozen bytes and whatever follows it is never read, so a
// huge file costs no more than this.
constexpr qint64 kReadLimit = 1024 * 1024;

}  // namespace

HighScoreFile::HighScoreFile(platform::FileStore& files, const QString& directory)
    : files_(files), path_(QDir(directory).filePath(QStringLiteral("hs.hsd")))
{
}

HighScoreFile::Loaded HighScoreFile::load() const
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

std::optional<platform::FileFailure> HighScoreFile::save(const HighScoreTable& table)
{
    return files_.replace(path_, platform::toAnsi(formatHighScores(table)));
}

std::optional<platform::FileFailure> HighScoreFile::keepDamaged()
{
    return files_.rename(path_, path_ + QStringLiteral(".bak"));
}

}  // namespace highscores
