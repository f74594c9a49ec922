#include "highscores/NameEntry.h"

#include "highscores/HighScoreTable.h"
#include "highscores/MainWindowLink.h"
#include "highscores/Module1.h"
#include "platform/Conversions.h"

namespace highscores {
namespace {

// The file has always kept at most eight characters of a name.
constexpr int kNameBytes = 16;

}  // namespace

NameEntry::NameEntry(Module1& table, MainWindowLink& mainWindow, std::uint8_t level, std::uint8_t rank)
    : table_(table), mainWindow_(mainWindow), enteredLevel_(level), shownRank_(rank)
{
}

bool NameEntry::Command1_Click(const QString& text)
{
    // The table may have been cleared or have gained an entry since the game
    // ended; the level goes where it belongs now, or nowhere.
    const std::optional<int> rank = rankFor(table_.hiScores, enteredLevel_);
    if (!rank)
        return true;
    const HighScoreEntry entry{enteredLevel_, platform::firstUtf16Bytes(text, kNameBytes)};
    if (!table_.SaveHighScores(insertedAt(table_.table(), *rank, entry)))
        return false;
    table_.LoadHighScores(mainWindow_);
    mainWindow_.Show();
    table_.showTable(mainWindow_);
    return true;
}

int centredPosition(double screenTwips, double windowTwips)
{
    // Integer division truncates toward zero, also for a window larger than
    // the screen.
    return platform::roundToLong(screenTwips - windowTwips) / 2;
}

}  // namespace highscores
