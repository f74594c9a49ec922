#include "platform/TickClock.h"

namespace platform {

// Linux and the BSDs sleep to the microsecond whatever a program asks.
void askForFineSleeps(bool) {}

}  // namespace platform
