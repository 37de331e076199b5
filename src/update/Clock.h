// Time as a download sees it: 32-bit millisecond ticks that wrap, and sleeping. Tests use a fake.
#pragma once
#include <cstdint>

namespace update {

class Clock {
public:
  virtual ~Clock() = default;
  virtual uint32_t tickCount() = 0;
  virtual void sleepMs(uint32_t ms) = 0;
};

// The process's tick counter and a real sleep.
class SystemClock final : public Clock {
public:
  uint32_t tickCount() override;
  void sleepMs(uint32_t ms) override;
};

}  // namespace update
