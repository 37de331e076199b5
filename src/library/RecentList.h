// The recent blocks of one gallery: what it shows (the file's list with this run's choices first)
// and what it still has to save. One owner, so that choosing a block both shows it first and keeps
// it for the next save, on every road a block is chosen by.
#pragma once
#include <string>

#include "library/ItemList.h"
#include "library/ListSaving.h"

namespace library {

class RecentList {
public:
  // Appends what RecentlyUse.xml in the data root holds.
  void load(const std::u16string& dataRoot);
  void choose(const BlockRecord& block);
  // Merges the blocks chosen since the last save, and those pending files beside it hold, into the
  // file; once they are there the list is the file's. Chosen blocks that could not be saved stay
  // for the next save.
  void save(const std::u16string& dataRoot, SaveTime when);

  const BlockList& blocks() const { return blocks_; }

private:
  BlockList blocks_;
  BlockList chosen_;  // since the last save, newest first
};

}  // namespace library
