#include "platform/PacedTimer.h"

namespace platform {
namespace {

// A wake-up this close before a tick is due counts as on time.
constexpr std::chrono::nanoseconds kEarlyTolerance = std::chrono::milliseconds(2);

}  // namespace

PacedTimer::PacedTimer(std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent), interval_(interval), timer_(this)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, &PacedTimer::onTimeout);
}

void PacedTimer::start()
{
    ticksDelivered_ = 0;
    clock_.start();
    timer_.start();
}

void PacedTimer::stop()
{
    timer_.stop();
}

void PacedTimer::onTimeout()
{
    const qint64 due = (clock_.nsecsElapsed() + kEarlyTolerance.count()) / interval_.count();
    // A lag longer than the catch-up bound is forgiven rather than rushed.
    ticksDelivered_ = std::max(ticksDelivered_, due - kMaxCatchUp);
    // A tick may stop the timer (the game ended); no more ticks after that.
    while (ticksDelivered_ < due && timer_.isActive()) {
        ++ticksDelivered_;
        emit tick();
    }
}

}  // namespace platform
