// A double-click on a thumbnail: the block goes to the host, a catalogue block to the recent list.
// A drag dropped somewhere chooses it too, but the target already has the file.
#include "gallery/GalleryModel.h"
#include "gallery/HostHandOff.h"
#include "library/RecentBlocks.h"

namespace gallery {

void GalleryModel::itemChosen(int64_t position) {
  if (position < 0) return;
  if (searching_) return chooseSearchHit(position);
  if (listMode_ == ListMode::UserBlocks) {
    chooseUserBlock(position);
  } else {
    chooseCatalogueBlock(position);
  }
}

void GalleryModel::chooseCatalogueBlock(int64_t position) {
  if (static_cast<uint64_t>(position) >= shown_.size()) return;
  library::BlockRecord block = shown_[static_cast<size_t>(position)];
  handOffBlock(state_, view_, library::blockDwgPath(block));
  library::recordRecentBlock(recent_, block);
  library::recordRecentBlock(recentChosen_, block);
}

void GalleryModel::itemDragged(int64_t position, thumbs::DragEnd end) {
  if (end != thumbs::DragEnd::Dropped || listMode_ == ListMode::UserBlocks) return;
  if (position < 0 || static_cast<uint64_t>(position) >= shown_.size()) return;
  const library::BlockRecord& block = shown_[static_cast<size_t>(position)];
  library::recordRecentBlock(recent_, block);
  library::recordRecentBlock(recentChosen_, block);
}

// A user's own file is handed off like a catalogue block but is not a recent block.
void GalleryModel::chooseUserBlock(int64_t position) {
  if (static_cast<uint64_t>(position) >= shownUserPaths_.size()) return;
  handOffBlock(state_, view_, shownUserPaths_[static_cast<size_t>(position)]);
}

}  // namespace gallery
