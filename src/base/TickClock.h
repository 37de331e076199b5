#pragma once
#include <cstdint>

namespace base {

uint32_t tickCount();        // milliseconds, wrapping at 32 bits, as GetTickCount
void sleepMs(uint32_t ms);

}  // namespace base
