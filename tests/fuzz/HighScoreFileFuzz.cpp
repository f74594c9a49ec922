// libFuzzer target for hs.hsd's text: any bytes in the file's place give a
// whole table or none, and a table that loads, saved again, reads back as
// it was saved; saved once more, it gives the same bytes, so a file the game
// wrote is never taken for someone else's.
#include "highscores/HighScoreFormat.h"
#include "platform/CodePage932.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using highscores::parseHighScores;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<highscores::HighScoreTable> loaded = parseHighScores(platform::fromCodePage932(bytes));
    if (!loaded)
        return 0;
    highscores::HighScoreTable saved = *loaded;
    for (highscores::HighScoreEntry& entry : saved)
        entry.name = highscores::storableName(entry.name);
    const QByteArray written = platform::toCodePage932(highscores::formatHighScores(*loaded));
    const std::optional<highscores::HighScoreTable> reread = parseHighScores(platform::fromCodePage932(written));
    if (reread != saved || platform::toCodePage932(highscores::formatHighScores(*reread)) != written)
        std::abort();
    return 0;
}
