// RecentlyUse.xml and UserBlock.xml are shared by every gallery of the user, so a save never writes
// the lists this gallery loaded: it reads the file again and applies only what this gallery changed
// since its last save. The rules, free of files.
#pragma once
#include "library/ItemList.h"
#include "library/UserBlocks.h"

namespace library {

// The user blocks added and deleted here since the last save. A path added after it was deleted
// (or the reverse) counts only as the later change.
struct UserBlockEdits {
  PathList added;
  PathList deleted;

  void add(const PathList& paths);
  void remove(const std::u16string& path);
  bool empty() const { return added.empty() && deleted.empty(); }
};

// The file's paths, plus those added here, minus those deleted here: sorted, no duplicates, no cap.
PathList mergedUserBlocks(PathList fromFile, const UserBlockEdits& edits);

// The blocks chosen here (newest first) go to the front, then the file's entries without their ids.
// Uncut: only the first kMaxSavedBlocks are written.
BlockList mergedRecentBlocks(const BlockList& fromFile, const BlockList& chosen);

// The name of the lock every gallery of the user takes around reading and replacing the lists.
inline constexpr char16_t kListsLockName[] = u"Blockery.Lists";

}  // namespace library
