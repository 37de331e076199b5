#include "base/TickClock.h"

#include <windows.h>

namespace base {

uint32_t tickCount() { return GetTickCount(); }

void sleepMs(uint32_t ms) { Sleep(ms); }

}  // namespace base
