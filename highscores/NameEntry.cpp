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
    // ended, here or in another game in the same directory; the level goes
    // where it belongs now, or nowhere.
    std::optional<HighScoreTable> saved;
    const auto insert = [&](const HighScoreTable& current) {
        if (const std::optional<int> rank = rankFor(levelsOf(current), enteredLevel_))
            saved = insertedAt(current, *rank, entry);
        return saved;
    };
    if (!table_.SaveHighScores(insert, messageBox_))
        return false;
    table_.LoadHighScores(mainWindow_, messageBox_);
    mainWindow_.Show();
    // The names as the reload left them, beside the levels just saved: a
    // reload that failed leaves "none" for every name, but the table still
    // shows which levels were reached.
    HighScoreTable shown = table_.table();
    for (std::size_t i = 0; saved && i < shown.size(); ++i)
        shown[i].level = (*saved)[i].level;
    Module1::showTable(mainWindow_, shown);
    return true;
}

}  // namespace highscores
