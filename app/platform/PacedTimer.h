#pragma once

#include "platform/TickClock.h"
#include "platform/TickSchedule.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

namespace platform {

// The game tick: one tick() per interval, on the system's clock, paced as
// TickSchedule says. The event loop wakes it just before a tick is due.
class PacedTimer final : public QObject {
    Q_OBJECT
public:
    PacedTimer(std::chrono::milliseconds interval, QObject* parent);

    void start();
    void stop();
    bool isActive() const { return schedule_.running(); }

signals:
    void tick();

private:
    void onTimeout();

    std::unique_ptr<TickClock> clock_ = systemTickClock();
    TickSchedule schedule_;
    QTimer timer_;
};

}  // namespace platform
