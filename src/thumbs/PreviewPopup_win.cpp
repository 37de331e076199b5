#include "thumbs/PreviewPopup_win.h"

#include <algorithm>

#include "base/WinText.h"
#include "thumbs/LargePreview.h"
#include "win/ImageBitmap.h"

namespace thumbs {

namespace {

const wchar_t kClassName[] = L"BlockeryPreviewPopup";
constexpr int kMargin = 6;
constexpr int kLineGap = 2;
// A line no wider than the largest picture: a longer name or size text ends in "…".
constexpr LONG kTextWidth = kLargePreviewSide;
constexpr UINT kLineFormat = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr COLORREF kFrameColour = RGB(0, 255, 0);  // the tile's frame
constexpr UINT_PTR kOwnerCheckTimer = 1;
constexpr UINT kOwnerCheckMilliseconds = 250;

SIZE textSize(HDC dc, const std::u16string& text) {
  SIZE size{0, 0};
  if (!text.empty()) GetTextExtentPoint32W(dc, base::wide(text), int(text.size()), &size);
  return size;
}

}  // namespace

void PreviewPopup::show(HWND owner, int item, POINT cursor, const base::Image& picture, std::u16string name,
                        std::u16string spec) {
  if (!handle()) {
    win::registerWindowClass(kClassName, 0, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!create(kClassName, u"", WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, RECT{0, 0, 1, 1},
                owner))
      return;
    setDpi(dpi_);
  }
  item_ = item;
  picture_ = win::bitmapFromImage(picture);
  pictureSize_ = picture_ ? SIZE{picture.width, picture.height} : SIZE{0, 0};
  name_ = std::move(name);
  spec_ = std::move(spec);
  win::WindowDC screen(nullptr);
  win::SelectGuard keep(screen.get(), font_.get());
  RECT place = placeBeside(cursor, contentSize(screen.get()));
  SetWindowPos(handle(), HWND_TOPMOST, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  invalidate(true);
  setTimer(kOwnerCheckTimer, kOwnerCheckMilliseconds);
}

void PreviewPopup::setDpi(int dpi) {
  dpi_ = dpi;
  font_.reset(CreateFontW(-base::scaled(12, dpi), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                          CLEARTYPE_QUALITY, 0, L"微软雅黑"));
}

void PreviewPopup::hide() {
  item_ = -1;
  if (!handle()) return;
  killTimer(kOwnerCheckTimer);
  if (isVisible()) ShowWindow(handle(), SW_HIDE);
}

// A gallery hidden by a key or by its host while the mouse rests takes its preview along; the
// mouse never left, so nothing else would.
bool PreviewPopup::OnTimer(UINT_PTR id) {
  if (id != kOwnerCheckTimer) return false;
  if (!IsWindowVisible(GetWindow(handle(), GW_OWNER))) hide();
  return true;
}

SIZE PreviewPopup::contentSize(HDC dc) const {
  SIZE name = textSize(dc, name_), spec = textSize(dc, spec_);
  const LONG margin = base::scaled(kMargin, dpi_);
  LONG width = std::max({pictureSize_.cx, std::min(std::max(name.cx, spec.cx), LONG(base::scaled(kTextWidth, dpi_))),
                         LONG(base::scaled(60, dpi_))});
  LONG height = pictureSize_.cy + (pictureSize_.cy ? margin : 0) + name.cy + base::scaled(kLineGap, dpi_) + spec.cy;
  return SIZE{width + 2 * margin, height + 2 * margin};
}

// Below and right of the cursor, clear of it; above or left instead where the screen ends.
RECT PreviewPopup::placeBeside(POINT cursor, SIZE size) const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const LONG clear = base::scaled(12, dpi_);
  LONG left = cursor.x + clear, top = cursor.y + base::scaled(20, dpi_);
  if (left + size.cx > work.right) left = std::max(work.left, cursor.x - clear - size.cx);
  if (top + size.cy > work.bottom) top = std::max(work.top, cursor.y - clear - size.cy);
  return RECT{left, top, left + size.cx, top + size.cy};
}

bool PreviewPopup::OnPaint() {
  win::PaintDC dc(handle());
  RECT box = clientRect();
  win::Brush frame(CreateSolidBrush(kFrameColour));
  FrameRect(dc, &box, frame.get());
  const int margin = base::scaled(kMargin, dpi_);
  int y = margin;
  if (picture_) {
    win::MemoryDC source(dc);
    win::SelectGuard keep(source, picture_.get());
    BitBlt(dc, margin, y, pictureSize_.cx, pictureSize_.cy, source, 0, 0, SRCCOPY);
    y += pictureSize_.cy + margin;
  }
  win::SelectGuard keepFont(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  for (const std::u16string* line : {&name_, &spec_}) {
    LONG height = textSize(dc, *line).cy;
    RECT place{margin, y, box.right - margin, y + height};
    DrawTextW(dc, base::wide(*line), int(line->size()), &place, kLineFormat);
    y += height + base::scaled(kLineGap, dpi_);
  }
  return true;
}

void PreviewPopup::OnDestroy() { item_ = -1; }

}  // namespace thumbs
