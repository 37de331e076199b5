// A clock that moves only when told to, or when someone sleeps on it. Safe across threads.
#pragma once
#include <cstdint>
#include <mutex>
#include <vector>

#include "update/Clock.h"

namespace update_tests {

class FakeClock final : public update::Clock {
public:
  explicit FakeClock(uint32_t start = 5000) : now_(start) {}

  uint32_t tickCount() override {
    std::lock_guard<std::mutex> hold(lock_);
    return now_;
  }
  void sleepMs(uint32_t ms) override {
    std::lock_guard<std::mutex> hold(lock_);
    sleeps_.push_back(ms);
    now_ += ms;
  }
  void advance(uint32_t ms) {
    std::lock_guard<std::mutex> hold(lock_);
    now_ += ms;
  }
  std::vector<uint32_t> sleeps() {
    std::lock_guard<std::mutex> hold(lock_);
    return sleeps_;
  }

private:
  std::mutex lock_;
  uint32_t now_;
  std::vector<uint32_t> sleeps_;
};

}  // namespace update_tests
