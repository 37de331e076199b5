#include "library/CategoryTree.h"

namespace library {

size_t CategoryTree::addNode(std::u16string text, size_t parent) {
  nodes_.push_back(TreeNode{std::move(text), parent, false});
  return nodes_.size() - 1;
}

void CategoryTree::setCustomNodes(size_t custom, size_t existingBlocks, size_t addBlocks) {
  custom_ = custom;
  customItems_ = {existingBlocks, addBlocks};
}

void CategoryTree::clear() {
  nodes_.clear();
  items_.clear();
  custom_ = kNoNode;
  customItems_.clear();
}

size_t CategoryTree::nodeOfRow(size_t row) const {
  size_t item = itemOfRow(row);
  return item < items_.size() ? items_[item] : kNoNode;
}

std::vector<size_t> CategoryTree::children(size_t parent) const {
  std::vector<size_t> found;
  for (size_t n = 0; n < nodes_.size(); ++n)
    if (nodes_[n].parent == parent) found.push_back(n);
  return found;
}

bool CategoryTree::rowOfNode(size_t node, size_t& row) const {
  for (size_t item = 0; item < items_.size(); ++item) {
    if (items_[item] != node || item == kRecentItem) continue;
    row = item == kRootItem ? 0 : item - 1;
    return true;
  }
  return false;
}

}  // namespace library
