// Adding and deleting the user's own blocks.
#include "base/Path.h"
#include "gallery/GalleryModel.h"
#include "library/PathsAndSettings.h"
#include "library/UserBlockFile.h"
#include "library/UserBlocks.h"

namespace gallery {

void GalleryModel::addUserBlocks() {
  std::optional<std::vector<std::u16string>> chosen = view_.chooseDwgFiles();
  if (!chosen) return;
  library::addUserBlocks(userPaths_, *chosen);
  userEdits_.add(*chosen);
  saveUserBlocks(library::SaveTime::ordinary());
  refreshSearchIndex();
  showUserBlocks();
}

// Once saved, the edits are in the file: the list becomes the file's, with what other galleries
// added, and the edits start afresh so that a later save cannot undo another gallery's deletion.
// Once saved, the edits are in the file: the list becomes the file's, with what other galleries
// added, and the edits start afresh so that a later save cannot undo another gallery's deletion.
// Edits handed to a pending file are the next gallery's to save.
void GalleryModel::saveUserBlocks(library::SaveTime when) {
  if (userEdits_.empty() && library::pendingFilesOf(base::joinPath(place_.dataRoot, library::kUserBlockFile)).empty())
    return;
  if (library::saveUserBlocks(place_.dataRoot, userEdits_, when, &userPaths_) != library::SaveOutcome::Kept) {
    userEdits_ = {};
  }
}

// The position is the list's, among the user blocks shown (a missing file is not one of them).
void GalleryModel::deleteUserBlock(int64_t position) {
  std::optional<ShownEntry> entry = shown_.at(position);
  if (listMode_ != ListMode::UserBlocks || !entry || entry->block) return;
  userEdits_.remove(entry->userPath);
  library::deleteUserBlock(userPaths_, entry->userPath);
  refreshSearchIndex();
  showUserBlocks();
  clearDetails();
}

}  // namespace gallery
