// A dialog built from a resource template and run modally by its own message loop, so that the
// dialog sees every message first (PreTranslateMessage) before the dialog manager's keyboard
// handling. A posted quit message ends the loop (and stays posted for any outer loop).
#pragma once
#include "win/Window.h"

namespace win {

class Dialog : public Window {
public:
  explicit Dialog(UINT templateId) : templateId_(templateId) {}

  // Returns the value given to endDialog, or -1 when the template could not be made or a quit
  // message ended the loop.
  INT_PTR doModal(HWND owner = nullptr);
  void endDialog(INT_PTR result);
  bool isModalRunning() const { return running_; }

  HWND item(int id) const { return GetDlgItem(handle(), id); }

  // The dialog at the top of this thread's modal loops, or nullptr.
  static Dialog* activeModal();
  // The owner for a new modal dialog: the innermost open modal dialog, else fallback, so that
  // whatever is open beneath stays disabled while the new one runs.
  static HWND modalOwner(HWND fallback);
  // Offers a message to the active modal dialog; true when it was taken there.
  static bool translateForActiveModal(MSG& message);

  static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
  // true: the dialog manager sets the focus to the first control.
  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { endDialog(IDOK); }
  virtual void OnCancel() { endDialog(IDCANCEL); }
  // Default: the dialog manager's keyboard handling (Tab, Enter, Esc, mnemonics).
  virtual bool PreTranslateMessage(MSG& message);

  bool route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
  INT_PTR runLoop();

  UINT templateId_;
  INT_PTR result_ = 0;
  bool running_ = false;
  bool ended_ = false;
  Dialog* outer_ = nullptr;
};

}  // namespace win
