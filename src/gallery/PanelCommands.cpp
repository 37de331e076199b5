// Filling and clearing the details panel, the texts of the larger preview, and the two buttons
// that open web pages.
#include "gallery/GalleryModel.h"
#include "gallery/Links.h"

namespace gallery {

void GalleryModel::showBlockDetails(int64_t position) {
  if (searching_) return showSearchHitDetails(position);
  if (position < 0 || static_cast<uint64_t>(position) >= shown_.size()) return;
  details_.showBlock(shown_[static_cast<size_t>(position)]);
  view_.repaintDetails();
}

void GalleryModel::showUserBlockDetails(int64_t position) {
  if (position < 0 || static_cast<uint64_t>(position) >= shownUserPaths_.size()) return;
  details_.showUserBlock(shownUserPaths_[static_cast<size_t>(position)]);
  view_.repaintDetails();
}

DetailsPanel GalleryModel::previewTexts(int64_t position) const {
  DetailsPanel texts;
  if (position < 0) return texts;
  size_t at = static_cast<size_t>(position);
  if (listMode_ == ListMode::UserBlocks) {
    if (at < shownUserPaths_.size()) texts.showUserBlock(shownUserPaths_[at]);
  } else if (at < shown_.size()) {
    texts.showBlock(shown_[at]);
  }
  return texts;
}

void GalleryModel::clearDetails() {
  details_.clear();
  view_.repaintDetails();
}

void GalleryModel::moreInfoButton() {
  const std::u16string& link = details_.text(DetailsPanel::Link);
  if (isWebLink(link)) view_.openLink(link);
}

void GalleryModel::helpButton() { view_.openLink(helpPageUrl(place_.libraryBaseUrl)); }

}  // namespace gallery
