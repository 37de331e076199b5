#include "skin/SkinButton.h"

#include "base/FailureLog.h"
#include "base/WinText.h"
#include "skin/WinColour.h"

namespace skin {
namespace {

// One white brush serves every skin button of the process, made on first use.
HBRUSH whiteBrush() {
  static const HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
  return brush;
}

}  // namespace

CSkinButton::~CSkinButton() { destroy(); }

bool CSkinButton::attach(HWND button) {
  if (!subclass(button)) return false;
  makeOwnerDrawn();
  return true;
}

bool CSkinButton::createIn(HWND parent, int id, const std::u16string& caption, const RECT& rect) {
  HWND made = CreateWindowExW(0, L"BUTTON", base::wide(caption), WS_CHILD | WS_TABSTOP | BS_OWNERDRAW,
                              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), win::programInstance(), nullptr);
  if (!made) {
    base::logFailure(u"create the button " + caption, GetLastError());
    return false;
  }
  if (attach(made)) return true;
  DestroyWindow(made);
  return false;
}

void CSkinButton::makeOwnerDrawn() {
  // The button type lives in the low bits of the style; the rest (visible, tab stop ...) stays.
  LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE);
  send(BM_SETSTYLE, (style & 0xFFFF & ~BS_TYPEMASK) | BS_OWNERDRAW, TRUE);
}

SIZE CSkinButton::frameSize() const {
  if (!m_pImage) return SIZE{0, 0};
  return SIZE{frameWidthOf(m_pImage->width()), m_pImage->height()};
}

void CSkinButton::place(int x, int y, SIZE size) {
  if (size.cx == 0 && size.cy == 0) size = frameSize();
  setPosition(nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_SHOWWINDOW);
}

bool CSkinButton::DrawItem(const DRAWITEMSTRUCT& item) {
  const RECT client = clientRect();
  const ButtonState state{(item.itemState & ODS_DISABLED) != 0, (item.itemState & ODS_SELECTED) != 0, m_bHover};
  const ButtonLook look = lookOf(m_nSkinStyle, state);
  HDC dc = item.hDC;
  if (look.whiteGround) FillRect(dc, &client, whiteBrush());
  if (look.picture && m_pImage) {
    const SkinBox from = frameSource(look.frame, client.right, client.bottom);
    m_pImage->draw(dc, 0, 0, from.x, from.y, from.width, from.height);
  }
  if (look.caption) drawCaption(dc, client, look);
  return true;
}

void CSkinButton::drawCaption(HDC dc, RECT box, const ButtonLook& look) const {
  std::u16string caption = text();
  box.top += look.captionDrop;
  const UINT align = look.align == CaptionAlign::Left ? DT_LEFT : DT_CENTER;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, colorRef(look.captionColour));
  DrawTextW(dc, base::wide(caption), -1, &box, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

bool CSkinButton::OnMouseMove(UINT keys, POINT point) {
  if (!m_bHover) {
    m_bHover = true;
    invalidate(false);
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle(), HOVER_DEFAULT};
    TrackMouseEvent(&track);
  }
  return false;
}

bool CSkinButton::OnMouseLeave() {
  m_bHover = false;
  invalidate(false);
  return true;
}

bool CSkinButton::OnEraseBackground(HDC dc) {
  // Only DrawItem paints the button: the erase becomes an immediate repaint.
  invalidate(false);
  UpdateWindow(handle());
  return true;
}

}  // namespace skin
