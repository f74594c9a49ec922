#pragma once

#include "game/Form1.h"

#include <cstddef>

namespace testing_support {

// The button that scores on a target of this colour: 1 (left) for red,
// 2 (right) for blue.
inline int buttonFor(const game::CommandButton& target)
{
    return target.BackColor == platform::colours::kRed ? 1 : 2;
}

// The press a perfect player makes on target index now: the button of its
// colour (1 left for red, 2 right for blue) while it is live in the hit zone;
// 0, no press, otherwise, and also while a full gauge waits for the tick,
// since a second good press then would put the level-up off.
inline int perfectPress(const game::Form1& form, std::size_t index)
{
    const game::CommandButton& target = form.Command3[index];
    if (form.gauge == game::Form1::kLevelUpGauge || !game::Form1::inHitZone(target) || !target.Caption.isEmpty())
        return 0;
    return buttonFor(target);
}

}  // namespace testing_support
