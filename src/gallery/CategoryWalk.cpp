#include "gallery/CategoryWalk.h"

#include "base/Path.h"
#include "base/Text.h"

namespace gallery {

bool liesInFolder(const std::u16string& folder, const std::u16string& wantedFolder) {
  if (!base::startsWith(folder, wantedFolder)) return false;
  return folder.size() == wantedFolder.size() || folder[wantedFolder.size()] == base::kPathSeparator;
}

std::vector<library::BlockRecord> firstFolderRun(const std::vector<library::BlockRecord>& available,
                                                 const std::u16string& wantedFolder) {
  std::vector<library::BlockRecord> run;
  for (const library::BlockRecord& block : available) {
    if (!liesInFolder(block.folder, wantedFolder)) continue;
    if (!run.empty() && block.folder != run.front().folder) break;
    run.push_back(block);
  }
  return run;
}

}  // namespace gallery
