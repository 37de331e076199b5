#include "library/RecentBlocks.h"

#include <algorithm>

#include "base/Files.h"
#include "base/Path.h"
#include "library/PathsAndSettings.h"
#include "library/TextFile.h"

namespace library {

void loadRecentBlocks(const std::u16string& dataRoot, BlockList& recent) {
  const std::u16string file = base::joinPath(dataRoot, kRecentFile);
  if (base::files::exists(file)) parseItemListWithPath(file, recent);
}

void recordRecentBlock(BlockList& recent, const BlockRecord& block) {
  auto same = std::find_if(recent.begin(), recent.end(), [&](const BlockRecord& r) { return r.id == block.id; });
  if (same != recent.end()) recent.erase(same);
  recent.insert(recent.begin(), block);
}

std::u16string recentBlocksText(const BlockList& recent) {
  std::u16string text = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root>\r";
  size_t count = std::min(recent.size(), kMaxSavedBlocks);
  for (size_t i = 0; i < count; ++i) {
    const BlockRecord& b = recent[i];
    text.append(u"<Item id= \"").append(b.id).append(u"\"><Name>").append(b.name);
    text.append(u"</Name><Spec>").append(b.spec).append(u"</Spec><Detail>").append(b.detail);
    text.append(u"</Detail><Mfrs>").append(b.mfrs).append(u"</Mfrs><Url>").append(b.url);
    text.append(u"</Url><Path>").append(b.folder).append(u"</Path></Item>\r");
  }
  text += u"</root>\r";
  return text;
}

bool saveRecentBlocks(const std::u16string& dataRoot, const BlockList& recent) {
  return writeWholeTextFile(base::joinPath(dataRoot, kRecentFile), recentBlocksText(recent));
}

}  // namespace library
