#pragma once

#include "platform/TickClock.h"

#include <chrono>
#include <cstdint>

namespace platform {

// When the game's ticks fall due: each at an exact multiple of the interval
// after start(), so the game clock never drifts from the wall clock. The
// event loop sleeps until just before a tick is due, in whole milliseconds;
// the last fraction is slept here, on the clock's fine time, which is kept
// while the schedule runs. A wake-up that comes late delivers the missed
// ticks at once (a few at most), so the game keeps true time instead of
// slowing down.
class TickSchedule {
public:
    TickSchedule(std::chrono::milliseconds interval, TickClock& clock);
    TickSchedule(const TickSchedule&) = delete;
    TickSchedule& operator=(const TickSchedule&) = delete;
    ~TickSchedule();

    void start();
    void stop();
    bool running() const { return running_; }

    // How long the event loop may sleep before it wakes for the next tick.
    std::chrono::milliseconds untilNextWake() const;
    // The event loop woke: how many ticks are due now, after waiting out the
    // last fraction before the next one. None when it woke early.
    int wake();

    // The most ticks one late wake-up may deliver; a longer stall is let go.
    static constexpr int kMaxCatchUp = 4;

private:
    TickClock::TimePoint nextDue() const { return started_ + (delivered_ + 1) * interval_; }

    std::chrono::nanoseconds interval_;
    TickClock& clock_;
    TickClock::TimePoint started_;
    std::int64_t delivered_ = 0;
    bool running_ = false;
};

}  // namespace platform
