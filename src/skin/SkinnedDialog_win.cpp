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
  button.m_pImage = loadSkinPicture(skinFile);
  button.m_nSkinStyle = style;
  button.place(x, y, size);
}

void SkinnedDialog::skinCloseButton(CSkinButton& button, int id) {
  skinButton(button, id, u"FRAME_BT_CLOSE.bmp", kPictureStyle, clientRect().right - 44, 2, SIZE{41, 16});
}

}  // namespace skin
