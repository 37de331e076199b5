#include "library/UserBlockFile.h"

#include <algorithm>

#include "base/Files.h"
#include "base/Path.h"
#include "library/PathsAndSettings.h"
#include "library/RecentBlocks.h"
#include "library/TextFile.h"
#include "markup/MarkupDocument.h"

namespace library {

void loadUserBlocks(const std::u16string& dataRoot, PathList& userBlockPaths) {
  const std::u16string file = base::joinPath(dataRoot, kUserBlockFile);
  // Only a file that is not there is made: one another gallery just wrote stays whole.
  if (base::files::createNew(file)) return;
  markup::MarkupDocument document;
  if (!document.loadFile(file) || !document.parse()) return;
  while (document.nextElement(u"root"))
    while (document.nextChildElement(u"Item")) userBlockPaths.push_back(document.childText());
}

std::u16string userBlocksText(const PathList& userBlockPaths) {
  std::u16string text = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root>\r";
  size_t count = std::min(userBlockPaths.size(), kMaxSavedBlocks);
  for (size_t i = 0; i < count; ++i) text.append(u"<Item>").append(userBlockPaths[i]).append(u"</Item>\r");
  text += u"</root>\r";
  return text;
}

bool saveUserBlocks(const std::u16string& dataRoot, const PathList& userBlockPaths) {
  return writeWholeTextFile(base::joinPath(dataRoot, kUserBlockFile), userBlocksText(userBlockPaths));
}

}  // namespace library
