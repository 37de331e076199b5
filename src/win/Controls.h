// Thin handles on the simple controls: progress bar, check box and static text or picture.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "base/WinText.h"

namespace win {

class ProgressBar {
public:
  explicit ProgressBar(HWND control = nullptr) : control_(control) {}
  void attach(HWND control) { control_ = control; }
  HWND handle() const { return control_; }
  void setRange(int low, int high) { SendMessageW(control_, PBM_SETRANGE32, low, high); }
  void setPosition(int position) { SendMessageW(control_, PBM_SETPOS, position, 0); }
  int position() const { return int(SendMessageW(control_, PBM_GETPOS, 0, 0)); }

private:
  HWND control_;
};

class CheckBox {
public:
  explicit CheckBox(HWND control = nullptr) : control_(control) {}
  void attach(HWND control) { control_ = control; }
  HWND handle() const { return control_; }
  bool checked() const { return SendMessageW(control_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void setChecked(bool on) { SendMessageW(control_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
  void setText(const std::u16string& text) { SetWindowTextW(control_, base::wide(text)); }

private:
  HWND control_;
};

class StaticText {
public:
  explicit StaticText(HWND control = nullptr) : control_(control) {}
  void attach(HWND control) { control_ = control; }
  HWND handle() const { return control_; }
  void setText(const std::u16string& text) { SetWindowTextW(control_, base::wide(text)); }
  // The control keeps showing the bitmap but does not own it; returns the one shown before.
  HBITMAP setBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(SendMessageW(control_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  }

private:
  HWND control_;
};

}  // namespace win
