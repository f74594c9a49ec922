#include "game/Form1.h"

#include "highscores/HighScoreTable.h"
#include "highscores/Module1.h"
#include "platform/Conversions.h"
#include "platform/MessageBoxService.h"
#include "platform/RandomSource.h"

#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace game {

using platform::kTrue;

namespace {

// The level as the table stores it: a byte. Levels past 255 keep counting on
// screen but enter the table as 255.
std::uint8_t levelForTable(const QString& levelCaption)
{
    const double level = std::clamp(platform::textToDouble(levelCaption), 0.0, 255.0);
    return static_cast<std::uint8_t>(platform::roundToLong(level));
}

}  // namespace

Form1::Form1(Form1Services services) : services_(std::move(services)) {}

void Form1::Form_Load()
{
    colourCodes[0] = platform::numberText(platform::colours::kRed);
    colourCodes[1] = platform::numberText(platform::colours::kBlue);
    Shape1 = {kMarkerRestLeft, kMarkerRestTop};
    services_.highScores.LoadHighScores(*this);
}

void Form1::Command2_Click()
{
    Command2.Enabled = false;
    Command4.Enabled = false;
    Command1.Enabled = true;
    missCount = 0;
    for (CommandButton& target : Command3) {
        target.Top = kStartTop;
        target.Left = kTargetLeft;
        target.Caption.clear();
        target.Visible = true;
        // A target disabled by the last game's wrong press must not cost a
        // life the player cannot save.
        target.Enabled = true;
    }
    holdSecond = kTrue;
    speed = kStartSpeed;
    for (CommandButton& target : Command3)
        drawColour(target);
    Timer1.Enabled = true;
}

void Form1::Command1_Click()
{
    GameOver();
}

void Form1::Command4_Click()
{
    services_.highScores.ClearHighScores(*this);
}

void Form1::Form_KeyDown(int /*keyCode*/, int /*shift*/)
{
    // Keys do nothing in this game.
}

void Form1::GameOver()
{
    // Ticks and presses that arrive while the message is up must not end the
    // same game a second time.
    if (gameOverRunning_)
        return;
    gameOverRunning_ = true;
    const auto done = qScopeGuard([this] { gameOverRunning_ = false; });

    highscores::Module1& table = services_.highScores;
    table.finalLevel = levelForTable(Label4.Caption);
    services_.messageBox.show(QStringLiteral("GameOver\r\nLevel:") + platform::numberText(table.finalLevel),
                              platform::MessageBoxButtons::OkOnly, platform::applicationTitle());

    // The table as the window shows it decides where the level goes.
    if (const std::optional<int> rank = highscores::rankFor(shownLevels(), table.finalLevel)) {
        table.newRank = static_cast<std::uint8_t>(*rank);
        services_.showNameEntry(table.finalLevel, table.newRank);
    }
    returnToIdle();
}

void Form1::Form_Unload()
{
    // While the game-over message is up, that game returns to idle by itself.
    if (!gameOverRunning_)
        returnToIdle();
}

void Form1::setLabel3Caption(int index, const QString& caption)
{
    Label3.at(index).Caption = caption;
}

void Form1::drawColour(CommandButton& target)
{
    services_.random.reseedFromClock();
    const float r = services_.random.next();
    const auto k = static_cast<std::size_t>(std::floor(r + r));
    target.BackColor = platform::textToLong(colourCodes.at(k));
}

highscores::HighScoreLevels Form1::shownLevels() const
{
    highscores::HighScoreLevels levels{};
    for (std::size_t i = 0; i < levels.size(); ++i)
        levels[i] = platform::textToByte(Label3.at(highscores::levelLabel(i)).Caption);
    return levels;
}

void Form1::returnToIdle()
{
    Label4.Caption = QStringLiteral("0");
    Timer1.Enabled = false;
    missCount = 0;
    Command2.Enabled = true;
    Command4.Enabled = true;
    Command1.Enabled = false;
    gauge = 0;
    Label5.Caption = lifeMeter(0);
    for (CommandButton& target : Command3) {
        target.Caption.clear();
        target.Visible = false;
    }
    // The idle window shows the gauge at rest, wherever the last press left it.
    Shape1 = {kMarkerRestLeft, kMarkerRestTop};
}

}  // namespace game
