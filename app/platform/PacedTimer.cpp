#include "platform/PacedTimer.h"

#include <algorithm>
#include <thread>

namespace platform {
namespace {

// The event loop wakes in whole milliseconds; the rest is slept precisely.
constexpr std::chrono::nanoseconds kFinalWait = std::chrono::milliseconds(2);

}  // namespace

PacedTimer::PacedTimer(std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent), interval_(interval), timer_(this)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PacedTimer::onTimeout);
}

void PacedTimer::start()
{
    active_ = true;
    ticksDelivered_ = 0;
    started_ = Clock::now();
    armForNextTick();
}

void PacedTimer::stop()
{
    active_ = false;
    timer_.stop();
}

void PacedTimer::armForNextTick()
{
    const Clock::time_point nextDue = started_ + (ticksDelivered_ + 1) * interval_;
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(nextDue - Clock::now());
    timer_.start(std::max(wait, std::chrono::milliseconds(0)));
}

void PacedTimer::onTimeout()
{
    const Clock::time_point nextDue = started_ + (ticksDelivered_ + 1) * interval_;
    const Clock::duration early = nextDue - Clock::now();
    if (early > kFinalWait) {
        armForNextTick();
        return;
    }
    if (early > Clock::duration::zero())
        std::this_thread::sleep_until(nextDue);

    const qint64 due = (Clock::now() - started_) / interval_;
    // A lag longer than the catch-up bound is forgiven rather than rushed.
    ticksDelivered_ = std::max(ticksDelivered_, due - kMaxCatchUp);
    // A tick may stop the timer (the game ended); no more ticks after that.
    while (ticksDelivered_ < due && active_) {
        ++ticksDelivered_;
        emit tick();
    }
    if (active_)
        armForNextTick();
}

}  // namespace platform
