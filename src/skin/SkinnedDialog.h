// Windows side. The base of the four skinned windows: a dialog that paints the common skin and
// then its own content, and moves when pressed in its top rows. It also skins the buttons the
// windows share: the close button and the captioned OK and cancel pictures.
//
// Every place and size a window gives here is in pixels at 96 dpi; the dialog draws and places
// them at its own display setting (dpi(), px()), which it reads when it initialises.
#pragma once
#include <windows.h>

#include <string>

#include "base/DisplayScale.h"
#include "skin/SkinButton.h"
#include "skin/SkinnedFrame.h"
#include "win/Dialog.h"

namespace skin {

class SkinnedDialog : public win::Dialog {
public:
  SkinnedDialog(UINT templateId, SkinnedWindow window) : win::Dialog(templateId), frame_(window) {}

protected:
  // Reads the display setting and loads the logo; a window's own OnInitDialog calls this first.
  bool OnInitDialog() override;
  bool OnPaint() override;
  bool OnLButtonDown(UINT keys, POINT point) override;
  // Moved to a monitor of another setting: the window takes the suggested rectangle, every child
  // keeps its place in proportion and gets the template's font at the new setting, then the
  // window's own places and pictures come again (rescaleControls).
  bool OnDpiChanged(int newDpi, const RECT& suggested) override;
  // What the window places and skins itself, done again for a new display setting (dpi() is the
  // new one by then).
  virtual void rescaleControls() {}

  // The window's own texts and lines, drawn after the skin with uiFont selected.
  virtual void paintContent(HDC dc, int width, int height) {}

  // Takes over the template's control, gives it the strip from GallerySkin drawn for the setting
  // and the style, and shows it at (x, y), one frame large or the given size.
  void skinButton(CSkinButton& button, int id, const std::u16string& skinFile, int32_t style, int x, int y,
                  SIZE size = SIZE{0, 0});
  // The same at a place and size in the window's own pixels.
  void skinButtonAt(CSkinButton& button, int id, const std::u16string& skinFile, int32_t style, POINT at, SIZE size);
  // The close button of every skinned window: 41 x 16 at (client width - 44, 2).
  void skinCloseButton(CSkinButton& button, int id);
  // The captioned OK and cancel pair, 73 x 19 each, side by side about the middle of the bottom row.
  void skinOkCancel(CSkinButton& ok, CSkinButton& cancel);

  // Gives the window its outer size and centres its client area on the desktop.
  void sizeAndCentre(int width, int height);

  int dpi() const { return dpi_; }
  void setDpi(int dpi) { dpi_ = dpi; }
  // A length at 96 dpi, at the window's setting.
  int px(int length) const { return base::scaled(length, dpi_); }
  RECT px(const RECT& box) const;

  // For OnCtlColor of static controls in the dialogs that want black text on white.
  static HBRUSH blackOnWhite(HDC dc) { return SkinnedFrame::blackOnWhite(dc); }

  SkinnedFrame& frame() { return frame_; }

private:
  SkinnedFrame frame_;
  int dpi_ = base::kBaseDpi;
};

}  // namespace skin
