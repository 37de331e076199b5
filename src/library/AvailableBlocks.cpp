#include "library/AvailableBlocks.h"

#include "base/Files.h"
#include "base/Path.h"
#include "library/Layout.h"

namespace library {

BlockList loadAvailableBlocks(const CategoryTable& table) {
  BlockList available;
  BlockList listed;
  for (const CategoryRow& row : table) {
    if (row.level < RowLevel::Category) continue;
    // A missing list reads as an empty text, so it is not looked for first.
    listed.clear();
    parseItemList(base::joinPath(row.folder, kItemListFile), row, listed);
    for (BlockRecord& block : listed)
      if (base::files::exists(blockDwgPath(block))) available.push_back(std::move(block));
  }
  return available;
}

}  // namespace library
