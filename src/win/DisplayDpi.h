// Windows side. The dots per inch a window is shown at, and the dialogs that lay themselves out:
// the program declares itself per-monitor aware, so each window scales by its own monitor's
// setting (base/DisplayScale.h) instead of being stretched by Windows.
#pragma once
#include <windows.h>

#include "base/DisplayScale.h"

namespace win {

// GetDpiForWindow (Windows 10 1607 and later, looked up at run time); before that the screen's
// LOGPIXELSX, which is the one setting of every monitor there.
int dpiOf(HWND window);

// Under per-monitor awareness v2 Windows rescales a template dialog's fonts and controls when it
// moves to a monitor of another setting; a dialog that places everything itself turns that off
// (Windows 10 1703 and later; earlier systems never rescale).
void keepOwnLayoutOnDpiChange(HWND dialog);

// A box measured at 96 dpi, at dpi, as a Windows rectangle.
inline RECT rectAt(const base::PixelBox& box, int dpi) {
  const base::PixelBox at = base::scaled(box, dpi);
  return RECT{at.left, at.top, at.right, at.bottom};
}

}  // namespace win
