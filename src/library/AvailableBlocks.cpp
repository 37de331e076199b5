#include "library/AvailableBlocks.h"

#include "base/FolderNames.h"
#include "base/Files.h"
#include "base/Path.h"
#include "library/PathsAndSettings.h"

namespace library {

BlockList loadAvailableBlocks(const CategoryTable& table) {
  BlockList available;
  BlockList listed;
  for (const CategoryRow& row : table) {
    if (row.level < RowLevel::Category) continue;
    // A missing list reads as an empty text, so it is not looked for first.
    listed.clear();
    parseItemList(base::joinPath(row.folder, kItemListFile), row, listed);
    if (listed.empty()) continue;
    // Listed names are plain file names (the item scan refuses any other), so every block's DWG
    // file lies directly in the row's folder.
    const base::FolderNames present(row.folder);
    for (BlockRecord& block : listed) {
      bool onDisk = present.listed() ? present.contains(block.name + u".dwg") : base::files::exists(blockDwgPath(block));
      if (onDisk) available.push_back(std::move(block));
    }
  }
  return available;
}

}  // namespace library
