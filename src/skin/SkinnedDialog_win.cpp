#include "skin/SkinnedDialog.h"

#include "win/Gdi.h"

namespace skin {

bool SkinnedDialog::OnInitDialog() {
  frame_.loadLogo();
  return true;
}

bool SkinnedDialog::OnPaint() {
  win::PaintDC dc(handle());
  const RECT client = clientRect();
  frame_.paint(dc, client.right, client.bottom, [&](HDC target) { paintContent(target, client.right, client.bottom); });
  return true;
}

bool SkinnedDialog::OnLButtonDown(UINT keys, POINT point) {
  SkinnedFrame::startMoveByTitle(handle(), point);
  return false;  // the default handling runs in every case
}

void SkinnedDialog::skinButton(CSkinButton& button, int id, const std::u16string& skinFile, int32_t style, int x,
                               int y, SIZE size) {
  button.attach(item(id));
  button.setPicture(loadSkinPicture(skinFile));
  button.setStyle(style);
  button.place(x, y, size);
}

void SkinnedDialog::skinCloseButton(CSkinButton& button, int id) {
  skinButton(button, id, u"FRAME_BT_CLOSE.bmp", kPictureStyle, clientRect().right - 44, 2, SIZE{41, 16});
}

void SkinnedDialog::skinOkCancel(CSkinButton& ok, CSkinButton& cancel) {
  const RECT client = clientRect();
  const SIZE size{73, 19};
  skinButton(ok, IDOK, u"BT_DEFAULT_OK.bmp", kCaptionedPictureStyle, (client.right - 196) / 2, client.bottom - 32, size);
  skinButton(cancel, IDCANCEL, u"BT_DEFAULT.bmp", kCaptionedPictureStyle, client.right / 2 + 25, client.bottom - 32,
             size);
}

void SkinnedDialog::sizeAndCentre(int width, int height) {
  setPosition(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  const RECT client = clientRect();
  setPosition(nullptr, (desktop.right - desktop.left) / 2 - client.right / 2,
              (desktop.bottom - desktop.top) / 2 - client.bottom / 2, 0, 0,
              SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
}

}  // namespace skin
