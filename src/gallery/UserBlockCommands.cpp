// Adding and deleting the user's own blocks.
#include "gallery/GalleryModel.h"
#include "library/UserBlockFile.h"
#include "library/UserBlocks.h"

namespace gallery {

void GalleryModel::addUserBlocks() {
  std::optional<std::vector<std::u16string>> chosen = view_.chooseDwgFiles();
  if (!chosen) return;
  library::addUserBlocks(userPaths_, *chosen);
  showUserBlocks();
  library::saveUserBlocks(place_.dataRoot, userPaths_);
  refreshSearchIndex();
}

// The position counts the blocks the list was given, so it is resolved against those paths:
// a missing file before it would otherwise shift it onto the wrong block.
void GalleryModel::deleteUserBlock(int64_t position) {
  if (position < 0 || static_cast<uint64_t>(position) >= shownUserPaths_.size()) return;
  library::deleteUserBlock(userPaths_, shownUserPaths_, static_cast<int32_t>(position));
  refreshSearchIndex();
  showUserBlocks();
  clearDetails();
}

}  // namespace gallery
