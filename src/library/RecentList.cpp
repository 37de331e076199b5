#include "library/RecentList.h"

#include "base/Path.h"
#include "library/PathsAndSettings.h"
#include "library/RecentBlocks.h"

namespace library {

void RecentList::load(const std::u16string& dataRoot) { loadRecentBlocks(dataRoot, blocks_); }

void RecentList::choose(const BlockRecord& block) {
  recordRecentBlock(blocks_, block);
  recordRecentBlock(chosen_, block);
}

// A gallery that chose nothing leaves the file to the others, unless edits of ended galleries wait.
void RecentList::save(const std::u16string& dataRoot, SaveTime when) {
  if (chosen_.empty() && pendingFilesOf(base::joinPath(dataRoot, kRecentFile)).empty()) return;
  if (saveRecentBlocks(dataRoot, chosen_, when, &blocks_) != SaveOutcome::Kept) chosen_.clear();
}

}  // namespace library
