// A thin handle on a tree control (SysTreeView32). Item data is a caller's number.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace win {

class TreeView {
public:
  explicit TreeView(HWND control = nullptr) : control_(control) {}
  void attach(HWND control) { control_ = control; }
  HWND handle() const { return control_; }

  HTREEITEM insert(HTREEITEM parent, const std::u16string& text, LPARAM data = 0, HTREEITEM after = TVI_LAST);
  void clear() { TreeView_DeleteAllItems(control_); }
  bool select(HTREEITEM item) { return TreeView_SelectItem(control_, item) != FALSE; }
  HTREEITEM selection() const { return TreeView_GetSelection(control_); }
  void expand(HTREEITEM item) { TreeView_Expand(control_, item, TVE_EXPAND); }
  void collapse(HTREEITEM item) { TreeView_Expand(control_, item, TVE_COLLAPSE); }
  void ensureVisible(HTREEITEM item) { TreeView_EnsureVisible(control_, item); }
  void scrollToTop(HTREEITEM item) { TreeView_Select(control_, item, TVGN_FIRSTVISIBLE); }
  HTREEITEM root() const { return TreeView_GetRoot(control_); }
  HTREEITEM firstChild(HTREEITEM item) const { return TreeView_GetChild(control_, item); }
  HTREEITEM nextSibling(HTREEITEM item) const { return TreeView_GetNextSibling(control_, item); }
  HTREEITEM parent(HTREEITEM item) const { return TreeView_GetParent(control_, item); }
  LPARAM data(HTREEITEM item) const;
  std::u16string text(HTREEITEM item) const;
  int count() const { return int(TreeView_GetCount(control_)); }

private:
  HWND control_;
};

}  // namespace win
