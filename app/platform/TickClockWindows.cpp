#include "platform/TickClock.h"

#include <windows.h>

#include <mmsystem.h>

namespace platform {

// A sleep on Windows ends on the system's clock tick, every 15.6 ms unless a
// program asks for a finer one; since Windows 10 version 2004 each process's
// request counts for itself alone.
void askForFineSleeps(bool fine)
{
    if (fine)
        timeBeginPeriod(1);
    else
        timeEndPeriod(1);
}

}  // namespace platform
