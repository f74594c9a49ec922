#pragma once

#include "highscores/HighScoreTable.h"
#include "platform/FileStore.h"

#include <QString>

#include <optional>

namespace highscores {

// hs.hsd in the game's directory: the table on disk.
class HighScoreFile {
public:
    HighScoreFile(platform::FileStore& files, const QString& directory);

    // The table, or nothing when the file gives none. A file with something
    // in it that is no table is damaged, and remembered as such.
    std::optional<HighScoreTable> load();

    // Writes the table in place of the file's content, all at once. A damaged
    // table found by the last load is first set aside under a backup name of
    // its own; while that fails, nothing is written and the failure is
    // returned.
    std::optional<platform::FileFailure> save(const HighScoreTable& table);

private:
    struct Reading {
        std::optional<HighScoreTable> table;
        bool damaged = false;
    };
    Reading read() const;
    std::optional<platform::FileFailure> setAsideDamaged();

    platform::FileStore& files_;
    QString path_;
    bool damagedInPlace_ = false;
};

}  // namespace highscores
