#include "library/Records.h"

#include "base/Path.h"

namespace library {

std::u16string blockDwgPath(const BlockRecord& block) {
  return base::joinPath(block.folder, block.name) + u".dwg";
}

std::u16string displayName(const std::u16string& name) {
  size_t underscore = name.find(u'_');
  if (underscore != std::u16string::npos && underscore <= 3) return name.substr(underscore + 1);
  return name;
}

}  // namespace library
