#include "library/UserBlocks.h"

#include <algorithm>

#include "base/Files.h"
#include "base/Path.h"

namespace library {

void addUserBlocks(PathList& userBlockPaths, const PathList& chosen) {
  userBlockPaths.insert(userBlockPaths.end(), chosen.begin(), chosen.end());
  std::sort(userBlockPaths.begin(), userBlockPaths.end());
  userBlockPaths.erase(std::unique(userBlockPaths.begin(), userBlockPaths.end()), userBlockPaths.end());
}

PathList shownUserBlocks(const PathList& userBlockPaths) {
  PathList shown;
  for (const auto& path : userBlockPaths)
    if (base::files::exists(path)) shown.push_back(path);
  return shown;
}

bool deleteUserBlock(PathList& userBlockPaths, const std::u16string& path) {
  // Every copy goes: a list read from a hand-edited file may hold one twice, and the block the user
  // deleted should not come back from the other copy.
  auto kept = std::remove(userBlockPaths.begin(), userBlockPaths.end(), path);
  bool removed = kept != userBlockPaths.end();
  userBlockPaths.erase(kept, userBlockPaths.end());
  return removed;
}

std::u16string userBlockName(std::u16string_view path) {
  std::u16string_view fileName = base::fileNamePart(path);
  size_t dot = fileName.rfind(u'.');
  if (dot == std::u16string_view::npos) return {};
  return std::u16string(fileName.substr(0, dot));
}

}  // namespace library
