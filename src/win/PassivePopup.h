// A pop-up that shows something over other windows but never takes the mouse or the focus: a
// click on it goes through to the window of this thread beneath, and it is never activated.
#pragma once
#include "win/Window.h"

namespace win {

class PassivePopup : public Window {
protected:
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
    if (message == WM_NCHITTEST) {
      result = HTTRANSPARENT;
      return true;
    }
    if (message == WM_MOUSEACTIVATE) {
      result = MA_NOACTIVATE;
      return true;
    }
    return false;
  }
};

}  // namespace win
