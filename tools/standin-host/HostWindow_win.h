// The stand-in host's own window. It writes its handle as "window N" first, then one line per
// hand-off message (1032 from an ARX gallery, 1128 from a Draftwell one) with both arguments and
// the title the window has at that moment (where the gallery put the block's path). Gallery
// command messages (1124) it gets are logged too, for when it stands in for a running gallery.
// It can start the gallery itself, and ends that child when it is closed; a double-click in the
// window starts it again with the same tokens, as a CAD command that opens the gallery would.
// A file dropped on the window goes into its title too, logged as "drop title=PATH".
#pragma once
#include <cstdio>
#include <string>

#include "HostDropTarget_win.h"
#include "win/KernelHandle.h"
#include "win/Window.h"

namespace standin {

class HostWindow : public win::Window {
public:
  explicit HostWindow(std::FILE* log) : log_(log), dropTarget_([this](const std::u16string& path) { dropped(path); }) {}
  bool open(const std::u16string& title);
  // "%w" in the tokens becomes this window's number.
  bool startProgram(const std::u16string& program, std::u16string tokens);

protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnPaint() override;
  bool OnLButtonDoubleClick(UINT keys, POINT point) override;
  bool OnClose() override;
  void OnDestroy() override;

private:
  void endChild();
  void dropped(const std::u16string& path);
  bool childRunning() const;

  std::FILE* log_;
  std::u16string program_, tokens_;
  win::KernelHandle child_;  // the first start still running
  HostDropTarget dropTarget_;
};

}  // namespace standin
