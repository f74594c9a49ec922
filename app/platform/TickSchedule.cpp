#include "platform/TickSchedule.h"

#include <algorithm>

namespace platform {
namespace {

// The event loop wakes in whole milliseconds; the rest is slept precisely.
constexpr std::chrono::nanoseconds kFinalWait = std::chrono::milliseconds(2);

}  // namespace

TickSchedule::TickSchedule(std::chrono::milliseconds interval, TickClock& clock) : interval_(interval), clock_(clock) {}

TickSchedule::~TickSchedule()
{
    stop();
}

void TickSchedule::start()
{
    // Fine time costs the system power: it is kept while a game runs only.
    if (!running_)
        clock_.keepFineTime(true);
    running_ = true;
    delivered_ = 0;
    started_ = clock_.now();
}

void TickSchedule::stop()
{
    if (running_)
        clock_.keepFineTime(false);
    running_ = false;
}

std::chrono::milliseconds TickSchedule::untilNextWake() const
{
    return std::max(std::chrono::duration_cast<std::chrono::milliseconds>(nextDue() - clock_.now()),
                    std::chrono::milliseconds(0));
}

int TickSchedule::wake()
{
    const TickClock::TimePoint due = nextDue();
    const auto early = due - clock_.now();
    if (early > kFinalWait)
        return 0;
    if (early > early.zero())
        clock_.sleepUntil(due);
    const std::int64_t dueNow = (clock_.now() - started_) / interval_;
    // A lag longer than the catch-up bound is forgiven rather than rushed.
    const std::int64_t from = std::max(delivered_, dueNow - kMaxCatchUp);
    delivered_ = std::max(delivered_, dueNow);
    return static_cast<int>(delivered_ - from);
}

}  // namespace platform
