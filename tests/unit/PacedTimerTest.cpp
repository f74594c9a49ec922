#include "platform/PacedTimer.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using platform::PacedTimer;

namespace {

class PacedTimerTest : public ::testing::Test {
protected:
    PacedTimerTest()
    {
        QObject::connect(&timer, &PacedTimer::tick, [this] {
            ++bursts.back();
            if (stopAfter > 0 && --stopAfter == 0)
                timer.stop();
        });
    }

    // Runs the event loop until the next wake-up has delivered its ticks.
    int nextBurst()
    {
        bursts.push_back(0);
        while (bursts.back() == 0 && timer.isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return bursts.back();
    }

    int argc = 0;
    QCoreApplication app{argc, nullptr};
    PacedTimer timer{std::chrono::milliseconds(30), nullptr};
    std::vector<int> bursts;
    int stopAfter = 0;
};

}  // namespace

TEST_F(PacedTimerTest, TicksMissedByABusyLoopFollowAtOnce)
{
    timer.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the loop is stuck for over three ticks
    const int burst = nextBurst();
    EXPECT_GE(burst, 3);
    EXPECT_LE(burst, PacedTimer::kMaxCatchUp);
}

TEST_F(PacedTimerTest, ALongStallIsForgivenBeyondTheCatchUpBound)
{
    timer.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(600));  // twenty ticks late
    EXPECT_EQ(nextBurst(), PacedTimer::kMaxCatchUp);
}

TEST_F(PacedTimerTest, ATickThatStopsTheTimerIsTheLast)
{
    stopAfter = 2;
    timer.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(nextBurst(), 2);
    EXPECT_FALSE(timer.isActive());
}
