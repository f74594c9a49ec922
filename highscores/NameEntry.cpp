#include "highscores/NameEntry.h"

#include "highscores/HighScoreTable.h"
#include "highscores/MainWindowLink.h"
#include "highscores/Module1.h"
#include "platform/Conversions.h"

#include <cstddef>
#include <optional>

namespace highscores {
namespace {

// A saved name keeps its first eight characters: sixteen bytes of UTF-16.
constexpr int kNameBytes = 16;

}  // namespace

NameEntry::NameEntry(Module1& table, MainWindowLink& mainWindow, platform::MessageBoxService& messageBox,
                     std::uint8_t level, std::uint8_t rank)
    : table_(table), mainWindow_(mainWindow), messageBox_(messageBox), enteredLevel_(level), shownRank_(rank)
{
}

bool NameEntry::Command1_Click(const QString& text)
{
    const HighScoreEntry entry{enteredLevel_, platform::firstUtf16Bytes(text, kNameBytes)};
    // The table may have been cleared or have gained an entry since the game
    // ended; the level goes where it belongs in the table as it stands, or
    // nowhere.
    const auto insert = [&](const HighScoreTable& current) -> std::optional<HighScoreTable> {
        if (const std::optional<int> rank = rankFor(levelsOf(current), enteredLevel_))
            return insertedAt(current, *rank, entry);
        return std::nullopt;
    };
    const SaveResult saved = table_.SaveHighScores(insert, messageBox_);
    if (saved.failure)
        return false;
    table_.LoadHighScores(mainWindow_, messageBox_);
    mainWindow_.Show();
    // The names as the reload left them, beside the levels just saved: a
    // reload that failed leaves "none" for every name, but the table still
    // shows which levels were reached.
    HighScoreTable shown = table_.table();
    for (std::size_t i = 0; saved.written && i < shown.size(); ++i)
        shown[i].level = (*saved.written)[i].level;
    Module1::showTable(mainWindow_, shown);
    return true;
}

}  // namespace highscores
