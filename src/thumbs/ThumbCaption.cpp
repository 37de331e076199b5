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

}  // namespace thumbs
