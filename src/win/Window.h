// The base of every window and control object: one message dispatch that routes a window's
// messages to virtual handlers. A window gets here in one of three ways: created from a class
// registered with registerWindowClass, created from a dialog template (Dialog), or an existing
// window taken over by subclassing (a control of a template). All three use route().
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace win {

class Window {
public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND handle() const { return window_; }
  bool isWindow() const { return window_ && IsWindow(window_); }
  // The object behind a window handle, or nullptr when the window has none.
  static Window* fromHandle(HWND window);

  // Creates a window of a class registered with registerWindowClass.
  bool create(const wchar_t* className, std::u16string_view title, DWORD style, DWORD exStyle,
              const RECT& rect, HWND parent, UINT id = 0);
  // Takes over an existing window (usually a control of a dialog template).
  bool subclass(HWND window);
  // Lets go of the window without destroying it.
  void detach();
  void destroy();

  void setText(std::u16string_view text);
  std::u16string text() const;
  void show(int command) { ShowWindow(window_, command); }
  bool isVisible() const { return IsWindowVisible(window_) != FALSE; }
  void enable(bool on) { EnableWindow(window_, on); }
  void invalidate(bool erase = false) { InvalidateRect(window_, nullptr, erase); }
  RECT clientRect() const;
  RECT windowRect() const;
  void setPosition(HWND after, int x, int y, int width, int height, UINT flags) {
    SetWindowPos(window_, after, x, y, width, height, flags);
  }

  void setTimer(UINT_PTR id, UINT milliseconds) { SetTimer(window_, id, milliseconds, nullptr); }
  void killTimer(UINT_PTR id) { KillTimer(window_, id); }
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(window_, message, wParam, lParam);
  }
  bool post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return PostMessageW(window_, message, wParam, lParam) != FALSE;
  }

  // Window procedures of the three kinds; each finds the object and calls route().
  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR object);

protected:
  enum class Kind { None, Created, Subclassed, Dialog };

  // The one dispatch: true when a handler took the message (result then holds its answer).
  virtual bool route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // What the window would do for the message being handled without this object's handlers.
  LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  // First chance at every message; the specific handlers below run only when it returns false.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }
  virtual bool OnPaint() { return false; }
  virtual bool OnEraseBackground(HDC dc) { return false; }
  virtual bool OnTimer(UINT_PTR id) { return false; }
  virtual bool OnCommand(int id, int notifyCode, HWND control) { return false; }
  virtual bool OnNotify(const NMHDR& header, LRESULT& result) { return false; }
  // kind is CTLCOLOR_BTN, CTLCOLOR_STATIC ...; nullptr leaves the colours to the default.
  virtual HBRUSH OnCtlColor(HDC dc, HWND control, int kind) { return nullptr; }
  // WM_DRAWITEM is handed to the control's own object (as owner-drawn buttons expect).
  virtual bool DrawItem(const DRAWITEMSTRUCT& item) { return false; }
  virtual bool OnLButtonDown(UINT keys, POINT point) { return false; }
  virtual bool OnLButtonUp(UINT keys, POINT point) { return false; }
  virtual bool OnLButtonDoubleClick(UINT keys, POINT point) { return false; }
  virtual bool OnMouseMove(UINT keys, POINT point) { return false; }
  virtual bool OnMouseLeave() { return false; }
  virtual bool OnSize(UINT kind, int width, int height) { return false; }
  // WM_DPICHANGED: the window now stands on a monitor of another setting; Windows suggests its place.
  virtual bool OnDpiChanged(int dpi, const RECT& suggested) { return false; }
  virtual bool OnClose() { return false; }
  virtual void OnDestroy() {}
  // After the last message: the handle is gone. An object that owns itself may delete itself here.
  virtual void OnFinalMessage() {}

  Kind kind() const { return kind_; }
  void attach(HWND window, Kind kind);
  // Called by the procedures: routes one message, handling the end of the window's life.
  static LRESULT handleMessage(Window* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               bool& handled);

private:
  void finish();

  HWND window_ = nullptr;
  Kind kind_ = Kind::None;
  // Set while defaultHandling of a dialog runs: the dialog procedure then lets the message pass.
  UINT passingMessage_ = 0;
  bool passing_ = false;
  friend class Dialog;
};

// Registers a window class whose procedure is Window::windowProcedure. Repeated calls are harmless.
bool registerWindowClass(const wchar_t* name, UINT style = CS_DBLCLKS, HBRUSH background = nullptr,
                         HICON icon = nullptr);

HINSTANCE programInstance();

}  // namespace win
