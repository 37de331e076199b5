// The category tree as the rebuild fills it. The window's tree control mirrors it node by node, in
// node order: every node is inserted as the last child of its parent, so node order is also the
// order of siblings.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace library {

inline constexpr size_t kNoNode = size_t(-1);

inline constexpr char16_t kRootNodeText[] = u"图库";
inline constexpr char16_t kRecentNodeText[] = u"最近使用";
inline constexpr char16_t kCustomNodeText[] = u"自定义图库";
inline constexpr char16_t kExistingBlocksNodeText[] = u"已有图块";
inline constexpr char16_t kAddBlocksNodeText[] = u"添加图块";

struct TreeNode {
  std::u16string text;
  size_t parent = kNoNode;   // kNoNode at the top level
  bool expanded = false;
};

class CategoryTree {
public:
  // Position 0 of the tree items is the root and position 1 "最近使用"; row r (r >= 1) is at r + 1.
  static constexpr size_t kRootItem = 0;
  static constexpr size_t kRecentItem = 1;
  static size_t itemOfRow(size_t row) { return row == 0 ? kRootItem : row + 1; }

  size_t addNode(std::u16string text, size_t parent);
  // Makes the node the tree item of the next position.
  void appendItem(size_t node) { items_.push_back(node); }
  void setCustomNodes(size_t custom, size_t existingBlocks, size_t addBlocks);
  void expand(size_t node) { nodes_[node].expanded = true; }
  void clear();

  const std::vector<TreeNode>& nodes() const { return nodes_; }
  // Tree items by position (node numbers): the root, "最近使用", then one per row from row 1.
  const std::vector<size_t>& items() const { return items_; }
  size_t nodeOfRow(size_t row) const;
  std::vector<size_t> children(size_t parent) const;   // in order; kNoNode gives the top level
  // Node numbers of "自定义图库" and its two children "已有图块" and "添加图块".
  size_t customNode() const { return custom_; }
  const std::vector<size_t>& customItems() const { return customItems_; }
  // The row whose node this is, if any.
  bool rowOfNode(size_t node, size_t& row) const;

private:
  std::vector<TreeNode> nodes_;
  std::vector<size_t> items_;
  size_t custom_ = kNoNode;
  std::vector<size_t> customItems_;
};

}  // namespace library
