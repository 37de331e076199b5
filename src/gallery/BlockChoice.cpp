// A double-click on a thumbnail: the block goes to the host, a catalogue block to the recent list.
// A drag dropped somewhere chooses it too, but the target already has the file.
#include "gallery/GalleryModel.h"
#include "gallery/HostHandOff.h"

namespace gallery {

void GalleryModel::itemChosen(int64_t position) {
  if (std::optional<ShownEntry> entry = shown_.at(position)) chooseEntry(*entry);
}

// A user's own file is handed off like a catalogue block but is not a recent block.
void GalleryModel::chooseEntry(const ShownEntry& entry) {
  handOffBlock(state_, view_, entry.path());
  if (entry.block) recent_.choose(*entry.block);
}

void GalleryModel::itemDragged(const ShownEntry& entry, thumbs::DragEnd end) {
  if (end == thumbs::DragEnd::Dropped && entry.block) recent_.choose(*entry.block);
}

}  // namespace gallery
