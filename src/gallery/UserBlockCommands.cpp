// Adding and deleting the user's own blocks.
#include "gallery/GalleryModel.h"
#include "library/UserBlockFile.h"
#include "library/UserBlocks.h"

namespace gallery {

void GalleryModel::addUserBlocks() {
  std::optional<std::vector<std::u16string>> chosen = view_.chooseDwgFiles();
  if (!chosen) return;
  library::addUserBlocks(userPaths_, *chosen);
  userEdits_.add(*chosen);
  saveUserBlocks();
  refreshSearchIndex();
  showUserBlocks();
}

// Once saved, the edits are in the file: the list becomes the file's, with what other galleries
// added, and the edits start afresh so that a later save cannot undo another gallery's deletion.
void GalleryModel::saveUserBlocks() {
  if (userEdits_.empty()) return;
  if (auto merged = library::saveUserBlocks(place_.dataRoot, userEdits_)) {
    userPaths_ = std::move(*merged);
    userEdits_ = {};
  }
}

// The position counts the blocks the list was given, so it is resolved against those paths:
// a missing file before it would otherwise shift it onto the wrong block.
void GalleryModel::deleteUserBlock(int64_t position) {
  if (position < 0 || static_cast<uint64_t>(position) >= shownUserPaths_.size()) return;
  userEdits_.remove(shownUserPaths_[static_cast<size_t>(position)]);
  library::deleteUserBlock(userPaths_, shownUserPaths_, static_cast<int32_t>(position));
  refreshSearchIndex();
  showUserBlocks();
  clearDetails();
}

}  // namespace gallery
