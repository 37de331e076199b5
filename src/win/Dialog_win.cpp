#include "win/Dialog.h"

#include "base/FailureLog.h"
#include "base/Text.h"

namespace win {

namespace {

thread_local Dialog* topModal = nullptr;

// Messages whose answer a dialog procedure returns directly instead of through DWLP_MSGRESULT.
bool answersDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_COMPAREITEM:
    case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON: case WM_INITDIALOG:
      return true;
  }
  return false;
}

bool isButton(HWND control) {
  wchar_t name[16] = {};
  return control && GetClassNameW(control, name, 16) > 0 && lstrcmpiW(name, L"Button") == 0;
}

}  // namespace

Dialog* Dialog::activeModal() { return topModal; }

HWND Dialog::modalOwner(HWND fallback) {
  return topModal && topModal->isWindow() ? topModal->handle() : fallback;
}

bool Dialog::translateForActiveModal(MSG& message) {
  return topModal && topModal->isWindow() && topModal->PreTranslateMessage(message);
}

bool Dialog::PreTranslateMessage(MSG& message) {
  return IsDialogMessageW(handle(), &message) != FALSE;
}

void Dialog::endDialog(INT_PTR result) {
  result_ = result;
  ended_ = true;
  // Wakes the loop if it is waiting in GetMessage.
  if (isWindow()) post(WM_NULL);
}

INT_PTR Dialog::doModal(HWND owner) {
  ended_ = false;
  result_ = -1;
  HWND made = CreateDialogParamW(programInstance(), MAKEINTRESOURCEW(templateId_), owner, dialogProcedure,
                                 reinterpret_cast<LPARAM>(this));
  if (!made) {
    base::logFailure(u"create dialog " + base::decimal(int64_t(templateId_)), GetLastError());
    return -1;
  }
  bool ownerDisabled = owner && IsWindowEnabled(owner) && !EnableWindow(owner, FALSE);
  outer_ = topModal;
  topModal = this;
  running_ = true;
  INT_PTR result = runLoop();
  running_ = false;
  topModal = outer_;
  if (ownerDisabled) EnableWindow(owner, TRUE);
  if (isWindow()) DestroyWindow(made);
  return result;
}

INT_PTR Dialog::runLoop() {
  // Like DialogBox: a template without WS_VISIBLE is shown once initialised, unless already ended.
  if (!ended_ && isWindow() && !isVisible()) show(SW_SHOWNORMAL);
  MSG message;
  while (!ended_) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(int(message.wParam));
      return -1;
    }
    if (got < 0) return -1;
    if (!PreTranslateMessage(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (!isWindow()) break;
  }
  return result_;
}

bool Dialog::route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_INITDIALOG) {
    result = OnInitDialog() ? TRUE : FALSE;
    return true;
  }
  // Owner-drawn buttons report a fast second click as a double click; it is not a second command,
  // or one click could open a second progress dialog over the first.
  if (message == WM_COMMAND && HIWORD(wParam) == BN_DOUBLECLICKED && isButton(reinterpret_cast<HWND>(lParam))) {
    result = 0;
    return true;
  }
  if (Window::route(message, wParam, lParam, result)) return true;
  if (message == WM_COMMAND) {
    if (LOWORD(wParam) == IDOK) { OnOK(); return true; }
    if (LOWORD(wParam) == IDCANCEL) { OnCancel(); return true; }
  }
  return false;
}

INT_PTR CALLBACK Dialog::dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = fromHandle(window);
  if (!self && message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->attach(window, Kind::Dialog);
  }
  if (!self) return FALSE;
  if (self->passing_ && self->passingMessage_ == message) {
    self->passing_ = false;  // defaultHandling asked the dialog manager for its own behaviour
    return FALSE;
  }
  bool handled = false;
  LRESULT result = handleMessage(self, window, message, wParam, lParam, handled);
  if (!handled) return FALSE;
  if (answersDirectly(message)) return INT_PTR(result);
  SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace win
