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

// The text of a table. A name that would not read back as it is (a comma, a
// line end, a space at either end, a leading double quote) goes between
// double quotes.
QString formatHighScores(const HighScoreTable& table);

// Whether a name can be kept in the file exactly as typed: no double quote,
// no control character, and only characters the file's code page holds.
bool isStorableName(const QString& name);

}  // namespace highscores
