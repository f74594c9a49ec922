#pragma once

#include "highscores/HighScoreTable.h"

#include <QString>

#include <optional>

// The text of hs.hsd: one line per rank, best first, each the level in
// decimal, a comma and the name, ended by CR LF.
namespace highscores {

// Reads the six fields (level, name, three times) of a table. A field ends at
// a comma or a line end; spaces before it are skipped; a name that begins with
// a double quote runs to the next one. Nothing when the text ends before the
// sixth field or a level is not a whole number from 0 to 255. Whatever follows
// the sixth field is ignored.
std::optional<HighScoreTable> parseHighScores(const QString& text);

// The text of a table, each name as storableName makes it. A name that would
// not read back as it is (a comma, a space at either end) goes between
// double quotes.
QString formatHighScores(const HighScoreTable& table);

// The name as the file can keep it: without double quotes, control
// characters (line ends, tabs ...) and characters the file's code page does
// not hold; the rest stays as it is.
QString storableName(const QString& name);

}  // namespace highscores
