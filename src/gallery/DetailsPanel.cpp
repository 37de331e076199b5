#include "gallery/DetailsPanel.h"

#include "library/UserBlocks.h"

namespace gallery {

namespace {

std::u16string shownValue(const std::u16string& value) {
  return value == u"no" ? std::u16string() : value;
}

}  // namespace

void DetailsPanel::showBlock(const library::BlockRecord& block) {
  texts_[Name] = library::displayName(shownValue(block.name));
  texts_[Spec] = shownValue(block.spec);
  texts_[Detail] = shownValue(block.detail);
  texts_[Mfrs] = shownValue(block.mfrs);
  texts_[Link] = shownValue(block.url);
}

void DetailsPanel::showUserBlock(const std::u16string& path) {
  clear();
  texts_[Name] = library::userBlockName(path);
}

bool DetailsPanel::clearIfShown() {
  if (empty()) return false;
  clear();
  return true;
}

void DetailsPanel::clear() {
  for (std::u16string& text : texts_) text.clear();
}

}  // namespace gallery
