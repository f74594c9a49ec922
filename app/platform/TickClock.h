#pragma once

#include <chrono>
#include <memory>

namespace platform {

// The time, and the short sleeps, of the game tick. Tests bring their own.
class TickClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~TickClock() = default;

    virtual TimePoint now() const = 0;
    virtual void sleepUntil(TimePoint when) = 0;
    // While fine time is kept, a sleep ends within a millisecond of its time.
    // Otherwise a system may end it only on a coarser clock of its own:
    // Windows' ticks every 15.6 ms unless a program asks for finer.
    virtual void keepFineTime(bool fine) = 0;
};

// The clock of the system the game runs on.
std::unique_ptr<TickClock> systemTickClock();

// Asks the system for its finest sleeps, or gives them back: the one thing
// about that clock that differs by system.
void askForFineSleeps(bool fine);

}  // namespace platform
