// The window a download reports to. On Windows it wraps a window handle and sends or posts the
// gallery command message; tests use a recording fake. Shared by the starter and the worker thread,
// so it must be callable from any thread.
#pragma once
#include <cstdint>

namespace update {

class ReportWindow {
public:
  virtual ~ReportWindow() = default;
  // False once the window has been destroyed; nothing may be sent or posted to it then.
  virtual bool isWindow() const = 0;
  // Waits until the window's thread has handled the message.
  virtual void sendCommand(uint32_t wParam, int32_t lParam) = 0;
  // Queues the message and returns at once.
  virtual void postCommand(uint32_t wParam, int32_t lParam) = 0;
};

}  // namespace update
