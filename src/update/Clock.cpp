#include "update/Clock.h"

#include "base/TickClock.h"

namespace update {

uint32_t SystemClock::tickCount() { return base::tickCount(); }

void SystemClock::sleepMs(uint32_t ms) { base::sleepMs(ms); }

}  // namespace update
