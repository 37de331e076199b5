#include "gallery/DetailsPanel.h"

#include "base/Path.h"

namespace gallery {

namespace {

std::u16string shownValue(const std::u16string& value) {
  return value == u"no" ? std::u16string() : value;
}

std::u16string nameFromPath(const std::u16string& path) {
  std::u16string_view fileName = base::fileNamePart(path);
  size_t dot = fileName.rfind(u'.');
  if (dot == std::u16string_view::npos) return {};
  return std::u16string(fileName.substr(0, dot));
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
  texts_[Name] = nameFromPath(path);
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
