#include "skin/SkinnedDialog.h"

#include <vector>

#include "skin/UiFont.h"
#include "win/DisplayDpi.h"
#include "win/Gdi.h"

namespace skin {

bool SkinnedDialog::OnInitDialog() {
  dpi_ = win::dpiOf(handle());
  win::keepOwnLayoutOnDpiChange(handle());
  frame_.loadLogo(dpi_);
  return true;
}

bool SkinnedDialog::OnPaint() {
  win::PaintDC dc(handle());
  const RECT client = clientRect();
  frame_.paint(dc, client.right, client.bottom, dpi_,
               [&](HDC target) { paintContent(target, client.right, client.bottom); });
  return true;
}

bool SkinnedDialog::OnLButtonDown(UINT keys, POINT point) {
  SkinnedFrame::startMoveByTitle(handle(), point, dpi_);
  return false;  // the default handling runs in every case
}

bool SkinnedDialog::OnDpiChanged(int newDpi, const RECT& suggested) {
  struct Place {
    HWND child;
    RECT box;
  };
  std::vector<Place> places;
  for (HWND child = GetWindow(handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT box{};
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&box), 2);
    places.push_back(Place{child, box});
  }
  const int oldDpi = dpi_;
  dpi_ = newDpi;
  frame_.loadLogo(dpi_);
  setPosition(nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
              suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  const HFONT font = dialogFont(dpi_);
  auto scaled = [&](LONG length) { return LONG(MulDiv(length, dpi_, oldDpi)); };
  for (const Place& place : places) {
    SendMessageW(place.child, WM_SETFONT, WPARAM(font), FALSE);
    const RECT& box = place.box;
    SetWindowPos(place.child, nullptr, scaled(box.left), scaled(box.top), scaled(box.right) - scaled(box.left),
                 scaled(box.bottom) - scaled(box.top), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  rescaleControls();
  RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return true;
}

RECT SkinnedDialog::px(const RECT& box) const {
  return win::rectAt(base::PixelBox{box.left, box.top, box.right, box.bottom}, dpi_);
}

void SkinnedDialog::skinButton(CSkinButton& button, int id, const std::u16string& skinFile, int32_t style, int x,
                               int y, SIZE size) {
  skinButtonAt(button, id, skinFile, style, POINT{px(x), px(y)}, SIZE{px(size.cx), px(size.cy)});
}

void SkinnedDialog::skinButtonAt(CSkinButton& button, int id, const std::u16string& skinFile, int32_t style,
                                 POINT at, SIZE size) {
  button.attach(item(id));
  button.setPicture(loadSkinPicture(skinFile, dpi_));
  button.setStyle(style);
  button.place(at.x, at.y, size);
}

// The close button keeps to the right edge and the pair to the bottom: their places are measured
// from the client area the window has at its setting.
void SkinnedDialog::skinCloseButton(CSkinButton& button, int id) {
  skinButtonAt(button, id, u"FRAME_BT_CLOSE.bmp", kPictureStyle, POINT{clientRect().right - px(44), px(2)},
               SIZE{px(41), px(16)});
}

void SkinnedDialog::skinOkCancel(CSkinButton& ok, CSkinButton& cancel) {
  const RECT client = clientRect();
  const SIZE size{px(73), px(19)};
  const int top = client.bottom - px(32);
  skinButtonAt(ok, IDOK, u"BT_DEFAULT_OK.bmp", kCaptionedPictureStyle, POINT{(client.right - px(196)) / 2, top}, size);
  skinButtonAt(cancel, IDCANCEL, u"BT_DEFAULT.bmp", kCaptionedPictureStyle, POINT{client.right / 2 + px(25), top},
               size);
}

void SkinnedDialog::sizeAndCentre(int width, int height) {
  setPosition(nullptr, 0, 0, px(width), px(height), SWP_NOMOVE | SWP_NOZORDER);
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  const RECT client = clientRect();
  setPosition(nullptr, (desktop.right - desktop.left) / 2 - client.right / 2,
              (desktop.bottom - desktop.top) / 2 - client.bottom / 2, 0, 0,
              SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
}

}  // namespace skin
