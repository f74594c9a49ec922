#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

namespace platform {

// The game tick: one tick() per interval, on average exactly, for as long as
// it runs. A precise timer keeps the phase; when a busy event loop makes it
// skip, the missed ticks follow at once (a few at most), so the game keeps
// true time instead of slowing down.
class PacedTimer final : public QObject {
    Q_OBJECT
public:
    PacedTimer(std::chrono::milliseconds interval, QObject* parent);

    void start();
    void stop();
    bool isActive() const { return timer_.isActive(); }

    // The most ticks one late wake-up may deliver; a longer stall is let go.
    static constexpr int kMaxCatchUp = 4;

signals:
    void tick();

private:
    void onTimeout();

    std::chrono::nanoseconds interval_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 ticksDelivered_ = 0;
};

}  // namespace platform
