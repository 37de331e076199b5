// A report window that records every message with the fake time it arrived, and can be closed.
#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "FakeClock.h"
#include "update/ReportWindow.h"

namespace update_tests {

struct WindowMessage {
  bool posted;  // false: sent synchronously
  uint32_t wParam;
  int32_t lParam;
  uint32_t tick;
};

class FakeWindow final : public update::ReportWindow {
public:
  explicit FakeWindow(std::shared_ptr<FakeClock> clock) : clock_(std::move(clock)) {}

  bool isWindow() const override { return alive_; }
  void sendCommand(uint32_t wParam, int32_t lParam) override { record(false, wParam, lParam); }
  void postCommand(uint32_t wParam, int32_t lParam) override { record(true, wParam, lParam); }

  void close() { alive_ = false; }
  // The window goes away after it has taken this many messages (a user closing the dialog).
  void closeAfter(size_t count) { closeAfter_ = count; }

  std::vector<WindowMessage> messages() {
    std::lock_guard<std::mutex> hold(lock_);
    return messages_;
  }
  std::vector<WindowMessage> messagesWith(int32_t lParam) {
    std::vector<WindowMessage> picked;
    for (const WindowMessage& m : messages())
      if (m.lParam == lParam) picked.push_back(m);
    return picked;
  }
  // Waits (bounded, so a lost message fails the test instead of hanging it) for a posted message.
  bool waitForPost() {
    std::unique_lock<std::mutex> hold(lock_);
    return arrived_.wait_for(hold, std::chrono::seconds(30), [this] {
      for (const WindowMessage& m : messages_)
        if (m.posted) return true;
      return false;
    });
  }

private:
  void record(bool posted, uint32_t wParam, int32_t lParam) {
    std::lock_guard<std::mutex> hold(lock_);
    messages_.push_back({posted, wParam, lParam, clock_->tickCount()});
    if (messages_.size() >= closeAfter_) alive_ = false;
    arrived_.notify_all();
  }

  std::shared_ptr<FakeClock> clock_;
  std::atomic<bool> alive_{true};
  std::atomic<size_t> closeAfter_{SIZE_MAX};
  std::mutex lock_;
  std::condition_variable arrived_;
  std::vector<WindowMessage> messages_;
};

}  // namespace update_tests
