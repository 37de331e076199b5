#include "gallery/NotePopup_win.h"

#include <algorithm>

#include "base/TickClock.h"
#include "base/WinText.h"
#include "skin/UiFont.h"
#include "win/Gdi.h"

namespace gallery {

namespace {

const wchar_t kClassName[] = L"BlockeryNote";
constexpr COLORREF kFrameColour = RGB(100, 105, 104);  // the details box's outline
constexpr COLORREF kTextColour = RGB(21, 21, 21);
constexpr int kPadding = 10;
constexpr int kHeight = 28;
constexpr int kBottomGap = 10;
constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchMilliseconds = 250;
constexpr uint32_t kShownMilliseconds = 4000;

}  // namespace

void NotePopup::show(HWND owner, const RECT& area, const std::u16string& note, int dpi) {
  if (!handle()) {
    win::registerWindowClass(kClassName, 0, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!create(kClassName, u"", WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, RECT{0, 0, 1, 1}, owner))
      return;
  }
  note_ = note;
  dpi_ = dpi;
  setText(note_);
  SIZE text{0, 0};
  {
    win::WindowDC screen(nullptr);
    win::SelectGuard keep(screen.get(), skin::uiFont(dpi_));
    GetTextExtentPoint32W(screen.get(), base::wide(note_), int(note_.size()), &text);
  }
  const int height = base::scaled(kHeight, dpi_);
  int width = std::min<int>(text.cx + 2 * base::scaled(kPadding, dpi_), area.right - area.left);
  POINT place{area.left + (area.right - area.left - width) / 2, area.bottom - base::scaled(kBottomGap, dpi_) - height};
  ClientToScreen(owner, &place);
  SetWindowPos(handle(), HWND_TOPMOST, place.x, place.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  invalidate(true);
  shownAt_ = base::tickCount();
  setTimer(kWatchTimer, kWatchMilliseconds);
}

void NotePopup::hide() {
  if (!handle()) return;
  killTimer(kWatchTimer);
  if (isVisible()) ShowWindow(handle(), SW_HIDE);
}

// The note's time runs out, or the gallery hid (its host took it away) and the note goes along.
bool NotePopup::OnTimer(UINT_PTR id) {
  if (id != kWatchTimer) return false;
  if (base::tickCount() - shownAt_ >= kShownMilliseconds || !IsWindowVisible(GetWindow(handle(), GW_OWNER))) hide();
  return true;
}

bool NotePopup::OnPaint() {
  win::PaintDC dc(handle());
  RECT box = clientRect();
  win::Brush frame(CreateSolidBrush(kFrameColour));
  FrameRect(dc, &box, frame.get());
  win::SelectGuard keep(dc, skin::uiFont(dpi_));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTextColour);
  InflateRect(&box, -base::scaled(kPadding, dpi_) / 2, 0);
  DrawTextW(dc, base::wide(note_), int(note_.size()), &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  return true;
}

}  // namespace gallery
