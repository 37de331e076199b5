// Finding a tree node by its text, as a user scanning the tree from the top would.
#pragma once
#include <cstddef>
#include <string_view>

#include "library/CategoryTree.h"

namespace gallery {

// Depth-first in tree order from the first top-level node: a node, then its children, then its
// next sibling. The first node whose text equals the wanted text exactly, or library::kNoNode.
size_t findNodeByText(const library::CategoryTree& tree, std::u16string_view text);

}  // namespace gallery
