// Windows side. The skin shared by the four borderless windows: white ground, frame and title
// band from the program's bitmaps, the logo, the title in uiFont, and moving the window by its
// top 32 rows. Each window keeps one SkinnedFrame; SkinnedDialog wires it to a dialog.
#pragma once
#include <windows.h>

#include <functional>

#include "skin/SkinnedWindow.h"
#include "win/Gdi.h"

namespace skin {

class SkinnedFrame {
public:
  explicit SkinnedFrame(SkinnedWindow window) : window_(window) {}

  // The logo strip (bitmap 136, or the one drawn for the nearest larger setting), loaded when the
  // window initialises and again when its display setting changes.
  void loadLogo(int dpi);

  // The paint sequence on a client area of width x height at dpi. ownContent draws the window's
  // own texts and lines while uiFont is still selected; afterwards the previous font comes back.
  void paint(HDC dc, int width, int height, int dpi, const std::function<void(HDC)>& ownContent = {}) const;

  // For a left press at a client point: in the top rows (32 at 96 dpi), posts the caption press
  // that starts the system's move of the window. True when it did.
  static bool startMoveByTitle(HWND window, POINT point, int dpi);

  // Black text on white for static controls; returns the brush to answer with.
  static HBRUSH blackOnWhite(HDC dc);

private:
  SkinnedWindow window_;
  win::Bitmap logo_;
  int logoWidth_ = 0;
  int logoHeight_ = 0;
  int logoPercent_ = 100;
};

// A bitmap resource of the program as a device-independent section; empty when missing.
win::Bitmap loadBitmapResource(int id);

}  // namespace skin
