// availableBlocks: every block of every category row (level 2 and 3) whose DWG file is on disk,
// in row order and then file order.
#pragma once
#include "library/ItemList.h"
#include "library/Records.h"

namespace library {

// Reads the FileList.xml of every row of level 2 or more. A row without a list contributes nothing;
// a listed block whose DWG file is missing is left out. The files of a category are looked for in
// one listing of its folder rather than one query per block.
BlockList loadAvailableBlocks(const CategoryTable& table);

}  // namespace library
