// Filling and clearing the details panel, the texts of the larger preview, and the two buttons
// that open web pages.
#include "gallery/GalleryModel.h"
#include "gallery/Links.h"

namespace gallery {

// Codes 5 and 10 alike: the position is the list's, whatever it shows.
void GalleryModel::showDetails(int64_t position) {
  if (!shown_.at(position)) return;
  details_ = previewTexts(position);
  view_.repaintDetails();
}

DetailsPanel GalleryModel::previewTexts(int64_t position) const {
  DetailsPanel texts;
  std::optional<ShownEntry> entry = shown_.at(position);
  if (entry && entry->block) texts.showBlock(*entry->block);
  if (entry && !entry->block) texts.showUserBlock(entry->userPath);
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
