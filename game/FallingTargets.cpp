// The game tick: the level-up, the fall of both targets, the release of the
// second target, and the respawn at the top that counts a fall-through.
#include "game/Form1.h"
#include "platform/Conversions.h"

#include <cmath>
#include <cstdint>

namespace game {

using platform::kFalse;
using platform::kTrue;

namespace {

constexpr platform::Integer kSpeedStep = 20;

}  // namespace

void Form1::Timer1_Timer()
{
    // Nothing moves while the game-over message is up.
    if (gameOverRunning_ || !Timer1.Enabled)
        return;

    if (gauge == kLevelUpGauge) {
        const platform::Integer faster = platform::addChecked(speed, kSpeedStep);
        gauge = 0;
        speed = faster;
        Label4.Caption = platform::numberText(platform::textToDouble(Label4.Caption) + 1);
        Shape1 = {kMarkerRestLeft, kMarkerRestTop};
    }

    fall(Command3[0]);
    if (Command3[0].Top >= Frame1.Height) {
        respawn(Command3[0]);
        // A fall-through that ended the game ends the tick too: the idle window
        // must not count a miss against the next game.
        if (!Timer1.Enabled)
            return;
    }

    const std::int32_t halfWay = platform::roundToLong(Frame1.Height - kTargetHeight) / 2;
    if (Command3[0].Top >= static_cast<float>(halfWay) && holdSecond == kTrue)
        holdSecond = kFalse;

    if (holdSecond == kFalse) {
        fall(Command3[1]);
        if (Command3[1].Top >= Frame1.Height)
            respawn(Command3[1]);
    }
}

void Form1::fall(CommandButton& target) const
{
    target.Top = std::floor(target.Top + static_cast<float>(speed));
}

void Form1::respawn(CommandButton& target)
{
    drawColour(target);
    target.Top = kRespawnTop;
    target.Left = kTargetLeft;
    target.Enabled = true;
    // Only a target that fell untouched costs a life here; a wrong press was
    // paid for when it was made.
    if (target.Caption.isEmpty()) {
        missCount = platform::addChecked(missCount, 1);
        MissMiss(kFalse, 0);
    }
    target.Caption.clear();
}

}  // namespace game
