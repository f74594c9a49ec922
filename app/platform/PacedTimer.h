#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

namespace platform {

// The game tick: one tick() per interval, each due at an exact multiple of
// the interval after start(), so the game clock never drifts from the wall
// clock. The event loop wakes it just before a tick is due and it waits out
// the last fraction of a millisecond itself. When a busy event loop makes it
// late, the missed ticks follow at once (a few at most), so the game keeps
// true time instead of slowing down.
class PacedTimer final : public QObject {
    Q_OBJECT
public:
    PacedTimer(std::chrono::milliseconds interval, QObject* parent);

    void start();
    void stop();
    bool isActive() const { return active_; }

    // The most ticks one late wake-up may deliver; a longer stall is let go.
    static constexpr int kMaxCatchUp = 4;

signals:
    void tick();

private:
    using Clock = std::chrono::steady_clock;

    void armForNextTick();
    void onTimeout();

    std::chrono::nanoseconds interval_;
    QTimer timer_;
    Clock::time_point started_;
    qint64 ticksDelivered_ = 0;
    bool active_ = false;
};

}  // namespace platform
