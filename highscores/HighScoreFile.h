#pragma once

#include "highscores/HighScoreTable.h"
#include "platform/FileStore.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace highscores {

// hs.hsd in the game's directory: the table on disk.
class HighScoreFile {
public:
    HighScoreFile(platform::FileStore& files, const QString& directory);

    // The table, or nothing when the file gives none.
    std::optional<HighScoreTable> load();

    // Writes the table in place of the file's content, all at once. Whatever
    // stands there that the game neither wrote nor read cleanly (a damaged
    // table, one changed since, bytes a rewrite would lose) is first set
    // aside under a backup name of its own. Nothing is written, and the
    // failure is returned, while that fails or the file cannot be read.
    std::optional<platform::FileFailure> save(const HighScoreTable& table);

private:
    platform::FileStart readStart() const;
    std::optional<platform::FileFailure> keepWhatOthersWrote();
    std::optional<platform::FileFailure> setAside();

    platform::FileStore& files_;
    QString path_;
    // The file's bytes as the game last read them cleanly or wrote them.
    std::optional<QByteArray> known_;
};

}  // namespace highscores
