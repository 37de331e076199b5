#include "update/WindowReports.h"

#include <windows.h>

#include "update/UpdateCodes.h"

namespace update {

namespace {

class HandleReportWindow final : public ReportWindow {
public:
  explicit HandleReportWindow(HWND window) : window_(window) {}

  bool isWindow() const override { return IsWindow(window_) != FALSE; }
  void sendCommand(uint32_t wParam, int32_t lParam) override {
    SendMessageW(window_, kGalleryCommandMessage, WPARAM(wParam), LPARAM(lParam));
  }
  void postCommand(uint32_t wParam, int32_t lParam) override {
    PostMessageW(window_, kGalleryCommandMessage, WPARAM(wParam), LPARAM(lParam));
  }

private:
  HWND window_;
};

}  // namespace

std::shared_ptr<ReportWindow> reportWindowFor(void* windowHandle) {
  return std::make_shared<HandleReportWindow>(static_cast<HWND>(windowHandle));
}

}  // namespace update
