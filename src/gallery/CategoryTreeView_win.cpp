#include "gallery/CategoryTreeView_win.h"

namespace gallery {

void CategoryTreeView::show(const library::CategoryTree& tree) {
  filling_ = true;
  tree_.clear();
  items_.clear();
  const std::vector<library::TreeNode>& nodes = tree.nodes();
  items_.reserve(nodes.size());
  for (size_t n = 0; n < nodes.size(); ++n) {
    HTREEITEM parent = nodes[n].parent == library::kNoNode ? nullptr : itemOf(nodes[n].parent);
    items_.push_back(tree_.insert(parent, nodes[n].text, LPARAM(n)));
  }
  for (size_t n = 0; n < nodes.size(); ++n) {
    if (nodes[n].expanded) tree_.expand(items_[n]);
  }
  filling_ = false;
}

void CategoryTreeView::select(size_t node) {
  if (HTREEITEM item = itemOf(node)) tree_.select(item);
}

void CategoryTreeView::expand(size_t node) {
  if (HTREEITEM item = itemOf(node)) tree_.expand(item);
}

void CategoryTreeView::scrollToTop(size_t node) {
  if (HTREEITEM item = itemOf(node)) tree_.scrollToTop(item);
}

size_t CategoryTreeView::nodeOf(HTREEITEM item) const {
  if (!item) return library::kNoNode;
  size_t node = size_t(tree_.data(item));
  return node < items_.size() && items_[node] == item ? node : library::kNoNode;
}

size_t CategoryTreeView::nodeUnderCursor() const {
  TVHITTESTINFO probe{};
  GetCursorPos(&probe.pt);
  ScreenToClient(tree_.handle(), &probe.pt);
  return nodeOf(TreeView_HitTest(tree_.handle(), &probe));
}

}  // namespace gallery
