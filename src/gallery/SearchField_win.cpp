#include "gallery/SearchField_win.h"

#include <commctrl.h>

#include "base/FailureLog.h"
#include "skin/UiFont.h"
#include "win/Gdi.h"

namespace gallery {

namespace {

constexpr RECT kBox{128, 5, 388, 25};
constexpr RECT kEdit{152, 7, 384, 23};
constexpr COLORREF kBoxBorder = RGB(160, 166, 165);
constexpr COLORREF kMagnifier = RGB(110, 116, 115);

}  // namespace

void SearchField::create(HWND parent) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, kEdit.left,
                              kEdit.top, kEdit.right - kEdit.left, kEdit.bottom - kEdit.top, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kId)), GetModuleHandleW(nullptr), nullptr);
  if (!edit) {
    base::logFailure(u"CreateWindowExW search field", int64_t(GetLastError()));
    return;
  }
  edit_.subclass(edit);
  edit_.send(WM_SETFONT, WPARAM(skin::uiFont()), FALSE);
  edit_.send(EM_SETCUEBANNER, TRUE, LPARAM(L"搜索图块"));
  edit_.send(EM_SETLIMITTEXT, 1000);
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

bool SearchField::boxHolds(POINT point) { return PtInRect(&kBox, point) != FALSE; }

void SearchField::paintBox(HDC dc) {
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  HPEN border = CreatePen(PS_SOLID, 1, kBoxBorder);
  HGDIOBJ oldPen = SelectObject(dc, border);
  HGDIOBJ oldBrush = SelectObject(dc, white);
  RoundRect(dc, kBox.left, kBox.top, kBox.right, kBox.bottom, 6, 6);
  // The magnifier: a ring and its handle.
  HPEN lens = CreatePen(PS_SOLID, 2, kMagnifier);
  SelectObject(dc, lens);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  Ellipse(dc, 134, 8, 145, 19);
  MoveToEx(dc, 143, 17, nullptr);
  LineTo(dc, 148, 22);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(lens);
  DeleteObject(border);
}

}  // namespace gallery
