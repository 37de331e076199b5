// Windows side. The larger preview: a tool-tip-like pop-up beside the cursor with a block's
// picture (see LargePreview.h) above its name and <Spec> text. It never takes the focus or the
// mouse; the thumbnail list shows it after the mouse rests on a thumbnail and hides it again.
#pragma once
#include <windows.h>

#include <string>

#include "base/DisplayScale.h"
#include "base/Image.h"
#include "win/Gdi.h"
#include "win/PassivePopup.h"

namespace thumbs {

class PreviewPopup : public win::PassivePopup {
public:
  // Shows the pop-up for the list item beside the cursor (screen coordinates), on top of owner.
  void show(HWND owner, int item, POINT cursor, const base::Image& picture, std::u16string name, std::u16string spec);
  void hide();
  // The item shown, -1 while hidden.
  int item() const { return item_; }
  // The display setting of the list's window: margins and lettering scale with it.
  void setDpi(int dpi);
  int dpi() const { return dpi_; }

protected:
  bool OnPaint() override;
  bool OnTimer(UINT_PTR id) override;
  void OnDestroy() override;

private:
  SIZE contentSize(HDC dc) const;
  RECT placeBeside(POINT cursor, SIZE size) const;

  int item_ = -1;
  win::Bitmap picture_;
  SIZE pictureSize_{0, 0};
  std::u16string name_, spec_;
  win::Font font_;
  int dpi_ = base::kBaseDpi;
};

}  // namespace thumbs
