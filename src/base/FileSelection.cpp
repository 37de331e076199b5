#include "base/FileSelection.h"

#include "base/Path.h"

namespace base {

std::vector<std::u16string> pathsOfSelection(std::u16string_view buffer) {
  std::vector<std::u16string> parts;
  for (size_t at = 0; at < buffer.size() && buffer[at] != u'\0';) {
    size_t end = buffer.find(u'\0', at);
    if (end == std::u16string_view::npos) end = buffer.size();
    parts.emplace_back(buffer.substr(at, end - at));
    at = end + 1;
  }
  if (parts.size() <= 1) return parts;
  const std::u16string& folder = parts[0];
  const bool endsInSeparator = folder.back() == u'\\' || folder.back() == u'/';
  std::vector<std::u16string> paths;
  for (size_t i = 1; i < parts.size(); ++i) {
    paths.push_back(endsInSeparator ? folder + parts[i] : joinPath(folder, parts[i]));
  }
  return paths;
}

size_t largerSelectionBuffer(size_t current, char16_t needed) {
  size_t next = current * 4 > size_t(needed) ? current * 4 : size_t(needed);
  return next > kMaxSelectionBuffer ? 0 : next;
}

}  // namespace base
