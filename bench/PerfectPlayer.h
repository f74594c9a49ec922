#pragma once

#include "game/Form1.h"

#include <cstddef>

namespace bench {

// The press a perfect player makes on target index now: the button of its
// colour (left for red, right for blue) while it is live in the hit zone;
// none otherwise, and also while a full gauge waits for the tick,
// since a second good press then would put the level-up off.
inline Qt::MouseButton perfectPress(const game::Form1& form, std::size_t index)
{
    const game::CommandButton& target = form.Command3[index];
    if (form.gauge == game::Form1::kLevelUpGauge || !game::Form1::inHitZone(target) || !target.Caption.isEmpty())
        return Qt::NoButton;
    return target.BackColor == platform::colours::kRed ? Qt::LeftButton : Qt::RightButton;
}

}  // namespace bench
