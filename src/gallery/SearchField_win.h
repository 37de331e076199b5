// Windows side. The search field of the main window: an edit control in the title band between the
// title and "更新", inside a white box with a magnifier and the hint "搜索图块". The box is painted
// by the window; presses on the band beside it still move the window.
#pragma once
#include <windows.h>

#include <string>

#include "resource.h"
#include "win/Window.h"

namespace gallery {

class SearchField {
public:
  static constexpr int kId = IDC_SEARCH_FIELD;

  // The window's layout table places the field.
  void create(HWND parent);
  // The font for the window's display setting.
  void scaleTo(int dpi);
  HWND handle() const { return edit_.handle(); }
  void focus();                       // the caret goes in, the text selected
  std::u16string text() const { return edit_.text(); }
  // Empties the field; the change it reports meanwhile is to be ignored (see clearing()).
  void clear();
  bool clearing() const { return clearing_; }

  // The box and the magnifier, drawn on the window after the skin, at the window's setting.
  static void paintBox(HDC dc, int dpi);
  static bool boxHolds(POINT point, int dpi);

private:
  win::Window edit_;
  bool clearing_ = false;
};

}  // namespace gallery
