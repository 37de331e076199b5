#include "base/Clock.h"

#include <windows.h>

#include <cstdio>

#include "base/Text.h"

namespace base {

uint32_t tickCount() { return GetTickCount(); }

void sleepMs(uint32_t ms) { Sleep(ms); }

std::u16string localDate() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[40];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned(now.wYear), unsigned(now.wMonth), unsigned(now.wDay));
  return fromUtf8(text);
}

}  // namespace base
