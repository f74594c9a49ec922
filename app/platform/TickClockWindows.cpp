#include "platform/TickClock.h"

#include <windows.h>

#include <mmsystem.h>

#include <thread>

namespace platform {
namespace {

// A sleep on Windows ends on the system's clock tick, every 15.6 ms unless a
// program asks for a finer one; each process's request counts for itself
// alone since Windows 10 version 2004.
class WindowsTickClock final : public TickClock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    void sleepUntil(TimePoint when) override { std::this_thread::sleep_until(when); }
    void keepFineTime(bool fine) override
    {
        if (fine)
            timeBeginPeriod(1);
        else
            timeEndPeriod(1);
    }
};

}  // namespace

std::unique_ptr<TickClock> systemTickClock()
{
    return std::make_unique<WindowsTickClock>();
}

}  // namespace platform
