// The game tick: its schedule against a clock of the test's own, on an event
// loop that wakes exactly when asked, and the real timer stopped by a tick.
#include "platform/PacedTimer.h"
#include "platform/TickSchedule.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <gtest/gtest.h>

#include <thread>

using namespace std::chrono_literals;
using platform::TickSchedule;

namespace {

// A clock whose sleeps end only on its own ticks: every 15.625 ms, as
// Windows' does unless a program asks for finer, or every millisecond while
// fine time is kept.
class CoarseClock final : public platform::TickClock {
public:
    TimePoint now() const override { return time; }
    void sleepUntil(TimePoint when) override
    {
        const std::chrono::nanoseconds grain = fine ? 1ms : 15625us;
        time = std::max(time, TimePoint((when.time_since_epoch() + grain - 1ns) / grain * grain));
    }
    void keepFineTime(bool on) override { fine = on; }

    TimePoint time{123'456'789ns};
    bool fine = false;
};

}  // namespace

TEST(TickSchedule, EachTickComesWithinAMillisecondOfItsTimeAndLateOnesCatchUpWithinBounds)
{
    CoarseClock clock;
    TickSchedule schedule{30ms, clock};
    schedule.start();
    const CoarseClock::TimePoint started = clock.time;
    for (int tick = 1; tick <= 100;) {
        // The event loop's timer ends on whole milliseconds.
        clock.time = std::chrono::floor<std::chrono::milliseconds>(clock.time + schedule.untilNextWake());
        for (int due = schedule.wake(); due > 0; --due, ++tick)
            ASSERT_LT(clock.time - (started + tick * 30ms), 1ms) << "tick " << tick;
    }

    // The event loop kept busy for over three ticks, then for a long stall.
    clock.time += 100ms;
    const int late = schedule.wake();
    EXPECT_GE(late, 3);
    EXPECT_LE(late, TickSchedule::kMaxCatchUp);
    clock.time += 600ms;
    EXPECT_EQ(schedule.wake(), TickSchedule::kMaxCatchUp) << "a long stall is let go";
    schedule.stop();
    EXPECT_FALSE(clock.fine) << "fine time is given back between games";
}

// A tick may end the game and stop the timer: it is the last, even among
// ticks that a busy event loop delivers at once.
TEST(PacedTimer, ATickThatStopsTheTimerIsTheLast)
{
    int argc = 0;
    QCoreApplication app{argc, nullptr};
    platform::PacedTimer timer{30ms, nullptr};
    int ticks = 0;
    QEventLoop loop;
    QObject::connect(&timer, &platform::PacedTimer::tick, [&] {
        if (++ticks == 2)
            timer.stop();
    });
    QObject::connect(&timer, &platform::PacedTimer::tick, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    timer.start();
    std::this_thread::sleep_for(100ms);  // over three ticks stuck
    loop.exec();
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(timer.isActive());
}
