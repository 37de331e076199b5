#pragma once
#include <cstdint>
#include <string>

namespace base {

uint32_t tickCount();        // milliseconds, wrapping at 32 bits, as GetTickCount
void sleepMs(uint32_t ms);
// Today in local time, as "2026-12-09".
std::u16string localDate();

}  // namespace base
