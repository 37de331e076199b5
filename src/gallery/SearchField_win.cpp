#include "gallery/SearchField_win.h"

#include <commctrl.h>

#include "base/FailureLog.h"
#include "gallery/GalleryLayout.h"
#include "win/DisplayDpi.h"
#include "skin/UiFont.h"
#include "win/Gdi.h"

namespace gallery {

namespace {

constexpr COLORREF kBoxBorder = RGB(160, 166, 165);
constexpr COLORREF kMagnifier = RGB(110, 116, 115);

RECT boxAt(int dpi) { return win::rectAt(painted::kSearchBox, dpi); }

}  // namespace

void SearchField::create(HWND parent) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kId)), GetModuleHandleW(nullptr), nullptr);
  if (!edit) {
    base::logFailure(u"CreateWindowExW search field", int64_t(GetLastError()));
    return;
  }
  edit_.subclass(edit);
  edit_.send(EM_SETCUEBANNER, TRUE, LPARAM(L"搜索图块"));
  edit_.send(EM_SETLIMITTEXT, 1000);
}

void SearchField::scaleTo(int dpi) {
  if (handle()) edit_.send(WM_SETFONT, WPARAM(skin::uiFont(dpi)), TRUE);
}

void SearchField::focus() {
  if (!handle()) return;
  SetFocus(handle());
  edit_.send(EM_SETSEL, 0, -1);
}

void SearchField::clear() {
  if (!handle()) return;
  clearing_ = true;
  edit_.setText(u"");
  clearing_ = false;
}

bool SearchField::boxHolds(POINT point, int dpi) {
  const RECT box = boxAt(dpi);
  return PtInRect(&box, point) != FALSE;
}

void SearchField::paintBox(HDC dc, int dpi) {
  auto px = [dpi](int length) { return base::scaled(length, dpi); };
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  HPEN border = CreatePen(PS_SOLID, px(1), kBoxBorder);
  HGDIOBJ oldPen = SelectObject(dc, border);
  HGDIOBJ oldBrush = SelectObject(dc, white);
  const RECT box = boxAt(dpi);
  RoundRect(dc, box.left, box.top, box.right, box.bottom, px(6), px(6));
  // The magnifier: a ring and its handle.
  HPEN lens = CreatePen(PS_SOLID, px(2), kMagnifier);
  SelectObject(dc, lens);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  Ellipse(dc, px(134), px(8), px(145), px(19));
  MoveToEx(dc, px(143), px(17), nullptr);
  LineTo(dc, px(148), px(22));
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(lens);
  DeleteObject(border);
}

}  // namespace gallery
