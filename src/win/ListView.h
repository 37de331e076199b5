// A thin handle on a list view (SysListView32): icon items with text, image and a number.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace win {

class ListView {
public:
  explicit ListView(HWND control = nullptr) : control_(control) {}
  void attach(HWND control) { control_ = control; }
  HWND handle() const { return control_; }

  // Returns the position the item got, or -1.
  int insert(int position, const std::u16string& text, int image, LPARAM data = 0);
  bool setImage(int position, int image);
  void clear() { ListView_DeleteAllItems(control_); }
  bool remove(int position) { return ListView_DeleteItem(control_, position) != FALSE; }
  int count() const { return ListView_GetItemCount(control_); }
  LPARAM data(int position) const;
  std::u16string text(int position) const;
  // The item under a client point, or -1.
  int hitTest(POINT point) const;
  RECT itemRect(int position, int part = LVIR_BOUNDS) const;
  void setImageList(HIMAGELIST images, int kind = LVSIL_NORMAL) { ListView_SetImageList(control_, images, kind); }
  void setIconSpacing(int width, int height) { ListView_SetIconSpacing(control_, width, height); }
  void redrawItems(int first, int last) { ListView_RedrawItems(control_, first, last); }
  void setRedraw(bool on) { SendMessageW(control_, WM_SETREDRAW, on, 0); }
  int selected() const { return ListView_GetNextItem(control_, -1, LVNI_SELECTED); }

private:
  HWND control_;
};

}  // namespace win
