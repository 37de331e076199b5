#include "gallery/NodeSearch.h"

#include <vector>

namespace gallery {

size_t findNodeByText(const library::CategoryTree& tree, std::u16string_view text) {
  const std::vector<library::TreeNode>& nodes = tree.nodes();
  // Every node is the last child of its parent when added, so node order is sibling order.
  std::vector<std::vector<size_t>> children(nodes.size());
  std::vector<size_t> topLevel;
  for (size_t node = 0; node < nodes.size(); ++node) {
    size_t parent = nodes[node].parent;
    (parent == library::kNoNode ? topLevel : children[parent]).push_back(node);
  }
  // Siblings are pushed in reverse so the first of them is visited first.
  std::vector<size_t> pending(topLevel.rbegin(), topLevel.rend());
  while (!pending.empty()) {
    size_t node = pending.back();
    pending.pop_back();
    if (nodes[node].text == text) return node;
    pending.insert(pending.end(), children[node].rbegin(), children[node].rend());
  }
  return library::kNoNode;
}

}  // namespace gallery
