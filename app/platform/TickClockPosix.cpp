#include "platform/TickClock.h"

#include <thread>

namespace platform {
namespace {

// Linux and the BSDs sleep to the microsecond whatever a program asks.
class PosixTickClock final : public TickClock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    void sleepUntil(TimePoint when) override { std::this_thread::sleep_until(when); }
    void keepFineTime(bool) override {}
};

}  // namespace

std::unique_ptr<TickClock> systemTickClock()
{
    return std::make_unique<PosixTickClock>();
}

}  // namespace platform
