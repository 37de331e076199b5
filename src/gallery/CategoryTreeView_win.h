// Windows side. The category tree control of the main window (id 1005) as a mirror of the model's
// CategoryTree: node n of the model is the n-th item inserted, and every item carries its node
// number as data, so notifications are turned back into node numbers.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <vector>

#include "library/CategoryTree.h"
#include "win/TreeView.h"

namespace gallery {

class CategoryTreeView {
public:
  void attach(HWND control) { tree_.attach(control); }
  HWND handle() const { return tree_.handle(); }

  // Replaces every item. While it runs, filling() is true and notifications are to be ignored.
  void show(const library::CategoryTree& tree);
  bool filling() const { return filling_; }

  void select(size_t node);
  void expand(size_t node);
  void scrollToTop(size_t node);

  // The node of an item, or library::kNoNode.
  size_t nodeOf(HTREEITEM item) const;
  // The node under the mouse cursor now, or library::kNoNode.
  size_t nodeUnderCursor() const;

private:
  HTREEITEM itemOf(size_t node) const { return node < items_.size() ? items_[node] : nullptr; }

  win::TreeView tree_;
  std::vector<HTREEITEM> items_;
  bool filling_ = false;
};

}  // namespace gallery
