#include "platform/PacedTimer.h"

namespace platform {

PacedTimer::PacedTimer(std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent), schedule_(interval, *clock_), timer_(this)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PacedTimer::onTimeout);
}

void PacedTimer::start()
{
    schedule_.start();
    timer_.start(schedule_.untilNextWake());
}

void PacedTimer::stop()
{
    schedule_.stop();
    timer_.stop();
}

void PacedTimer::onTimeout()
{
    // A tick may stop the timer (the game ended); no more ticks after that.
    for (int due = schedule_.wake(); due > 0 && schedule_.running(); --due)
        emit tick();
    if (schedule_.running())
        timer_.start(schedule_.untilNextWake());
}

}  // namespace platform
