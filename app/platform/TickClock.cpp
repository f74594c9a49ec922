#include "platform/TickClock.h"

#include <thread>

namespace platform {

namespace {

class SystemTickClock final : public TickClock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    void sleepUntil(TimePoint when) override { std::this_thread::sleep_until(when); }
    void keepFineTime(bool fine) override { askForFineSleeps(fine); }
};

}  // namespace

std::unique_ptr<TickClock> systemTickClock()
{
    return std::make_unique<SystemTickClock>();
}

}  // namespace platform
