// The game tick against the wall clock. A sleep here stands for an event
// loop kept busy; nothing waits on a fixed delay for the timer itself.
#include "platform/PacedTimer.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <gtest/gtest.h>

#include <thread>

using platform::PacedTimer;

TEST(PacedTimer, CatchesUpWithTheWallClockWithinBounds)
{
    int argc = 0;
    QCoreApplication app{argc, nullptr};
    PacedTimer timer{std::chrono::milliseconds(30), nullptr};
    int ticks = 0, stopAfter = -1;
    QObject::connect(&timer, &PacedTimer::tick, [&] {
        ++ticks;
        if (--stopAfter == 0)
            timer.stop();
    });
    timer.start();
    // The ticks one wake-up delivers after the loop was kept busy that long:
    // the loop ends once the wake-up that brought the first tick is over.
    const auto burstAfter = [&](std::chrono::milliseconds busy) {
        std::this_thread::sleep_for(busy);
        ticks = 0;
        QEventLoop loop;
        QObject::connect(&timer, &PacedTimer::tick, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        loop.exec();
        return ticks;
    };

    // Each wake-up is due one tick on: even on a loaded machine, some of ten
    // come on time.
    int onTime = 0;
    for (int i = 0; i < 10; ++i)
        onTime += burstAfter(std::chrono::milliseconds(0)) == 1;
    EXPECT_GT(onTime, 0);

    const int late = burstAfter(std::chrono::milliseconds(100));  // over three ticks stuck
    EXPECT_GE(late, 3);
    EXPECT_LE(late, PacedTimer::kMaxCatchUp);
    EXPECT_EQ(burstAfter(std::chrono::milliseconds(600)), PacedTimer::kMaxCatchUp) << "a long stall is let go";

    // A tick may end the game and stop the timer: it is the last.
    stopAfter = 2;
    EXPECT_EQ(burstAfter(std::chrono::milliseconds(100)), 2);
    EXPECT_FALSE(timer.isActive());
}
