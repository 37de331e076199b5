#include "win/Window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "base/FailureLog.h"
#include "base/WinText.h"

namespace win {

namespace {

const wchar_t kObjectProperty[] = L"Blockery.Window";
constexpr UINT_PTR kSubclassId = 0x424C4B;  // one subclass per window is ours

POINT pointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

HINSTANCE programInstance() { return GetModuleHandleW(nullptr); }

bool registerWindowClass(const wchar_t* name, UINT style, HBRUSH background, HICON icon) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(programInstance(), name, &existing)) return true;
  WNDCLASSEXW kind{};
  kind.cbSize = sizeof(kind);
  kind.style = style;
  kind.lpfnWndProc = Window::windowProcedure;
  kind.hInstance = programInstance();
  kind.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  kind.hbrBackground = background;
  kind.hIcon = icon;
  kind.lpszClassName = name;
  return RegisterClassExW(&kind) != 0;
}

Window::~Window() {
  if (!window_) return;
  HWND window = window_;
  bool owned = kind_ == Kind::Created;
  detach();
  if (owned && IsWindow(window)) DestroyWindow(window);
}

Window* Window::fromHandle(HWND window) {
  return window ? static_cast<Window*>(GetPropW(window, kObjectProperty)) : nullptr;
}

void Window::attach(HWND window, Kind kind) {
  window_ = window;
  kind_ = kind;
  SetPropW(window, kObjectProperty, this);
}

void Window::detach() {
  if (!window_) return;
  if (kind_ == Kind::Subclassed) RemoveWindowSubclass(window_, subclassProcedure, kSubclassId);
  RemovePropW(window_, kObjectProperty);
  window_ = nullptr;
  kind_ = Kind::None;
}

void Window::destroy() {
  if (window_) DestroyWindow(window_);
}

bool Window::create(const wchar_t* className, std::u16string_view title, DWORD style, DWORD exStyle,
                    const RECT& rect, HWND parent, UINT id) {
  std::u16string text(title);
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
  HWND made = CreateWindowExW(exStyle, className, base::wide(text), style, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent, menu, programInstance(), this);
  if (!made) base::logFailure(u"create a " + base::fromWide(className) + u" window", GetLastError());
  return made != nullptr;
}

bool Window::subclass(HWND window) {
  if (!window || fromHandle(window)) return false;
  attach(window, Kind::Subclassed);
  if (SetWindowSubclass(window, subclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return true;
  RemovePropW(window, kObjectProperty);
  window_ = nullptr;
  kind_ = Kind::None;
  return false;
}

void Window::setText(std::u16string_view text) {
  std::u16string copy(text);
  SetWindowTextW(window_, base::wide(copy));
}

std::u16string Window::text() const {
  int length = GetWindowTextLengthW(window_);
  std::wstring buffer(size_t(length) + 1, L'\0');
  int got = GetWindowTextW(window_, buffer.data(), length + 1);
  return base::fromWide(buffer.data(), size_t(got > 0 ? got : 0));
}

RECT Window::clientRect() const {
  RECT r{};
  GetClientRect(window_, &r);
  return r;
}

RECT Window::windowRect() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return r;
}

LRESULT Window::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (kind_) {
    case Kind::Created: return DefWindowProcW(window_, message, wParam, lParam);
    case Kind::Subclassed: return DefSubclassProc(window_, message, wParam, lParam);
    case Kind::Dialog: {
      passing_ = true;
      passingMessage_ = message;
      LRESULT result = DefDlgProcW(window_, message, wParam, lParam);
      passing_ = false;
      return result;
    }
    case Kind::None: break;
  }
  return 0;
}

bool Window::route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (OnMessage(message, wParam, lParam, result)) return true;
  switch (message) {
    case WM_PAINT: return OnPaint();
    case WM_ERASEBKGND:
      if (!OnEraseBackground(reinterpret_cast<HDC>(wParam))) return false;
      result = 1;
      return true;
    case WM_TIMER: return OnTimer(wParam);
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: {
      HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                int(message - WM_CTLCOLORMSGBOX));
      if (!brush) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      Window* control = item.CtlType == ODT_MENU ? nullptr : fromHandle(item.hwndItem);
      if (!control || !control->DrawItem(item)) return false;
      result = TRUE;
      return true;
    }
    case WM_LBUTTONDOWN: return OnLButtonDown(UINT(wParam), pointOf(lParam));
    case WM_LBUTTONUP: return OnLButtonUp(UINT(wParam), pointOf(lParam));
    case WM_LBUTTONDBLCLK: return OnLButtonDoubleClick(UINT(wParam), pointOf(lParam));
    case WM_MOUSEMOVE: return OnMouseMove(UINT(wParam), pointOf(lParam));
    case WM_MOUSELEAVE: return OnMouseLeave();
    case WM_SIZE: return OnSize(UINT(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_CLOSE: return OnClose();
    case WM_DPICHANGED: return OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_DESTROY: OnDestroy(); return false;
  }
  return false;
}

LRESULT Window::handleMessage(Window* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              bool& handled) {
  LRESULT result = 0;
  handled = self->route(message, wParam, lParam, result);
  if (message == WM_NCDESTROY) {
    if (!handled && self->kind_ != Kind::Dialog) {
      result = self->defaultHandling(message, wParam, lParam);
      handled = true;
    }
    self->finish();  // the object may be gone after this
  }
  return result;
}

void Window::finish() {
  detach();
  OnFinalMessage();
}

LRESULT CALLBACK Window::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = fromHandle(window);
  if (!self && message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (self) self->attach(window, Kind::Created);
  }
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  bool handled = false;
  LRESULT result = handleMessage(self, window, message, wParam, lParam, handled);
  return handled ? result : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Window::subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR object) {
  auto* self = reinterpret_cast<Window*>(object);
  bool handled = false;
  LRESULT result = handleMessage(self, window, message, wParam, lParam, handled);
  return handled ? result : DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace win
