#include "thumbs/ThumbCaption.h"

#include "base/Path.h"

namespace thumbs {

std::u16string thumbCaption(std::u16string_view path) {
  std::u16string_view name = base::fileNamePart(path);
  size_t dot = name.rfind(u'.');
  if (dot == std::u16string_view::npos) return {};
  name = name.substr(0, dot);
  size_t underscore = name.find(u'_');
  if (underscore != std::u16string_view::npos && underscore <= 3) name.remove_prefix(underscore + 1);
  if (name.size() > kCaptionLength) {
    size_t keep = kCaptionLength;
    // Never split a character outside the basic plane.
    if (name[keep - 1] >= 0xD800 && name[keep - 1] <= 0xDBFF) --keep;
    name = name.substr(0, keep);
  }
  return std::u16string(name);
}

namespace {

char16_t folded(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

bool beginsWith(std::u16string_view caption, std::u16string_view typed) {
  if (caption.size() < typed.size()) return false;
  for (size_t i = 0; i < typed.size(); ++i) {
    if (folded(caption[i]) != folded(typed[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<size_t> findCaption(const std::vector<std::u16string>& paths, std::u16string_view typed, size_t start) {
  for (size_t n = 0; n < paths.size(); ++n) {
    size_t item = (start + n) % paths.size();
    if (beginsWith(thumbCaption(paths[item]), typed)) return item;
  }
  return std::nullopt;
}

}  // namespace thumbs
