// What the thumbnail list shows: one entry per list position, whatever the mode (a category, the
// recent blocks, the user's blocks, search results), each a catalogue block or a user's own file.
// Choosing, dragging, the larger preview and the details all read it, so a position means the
// same block to each of them.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/ItemList.h"
#include "library/UserBlocks.h"
#include "search/LibrarySearch.h"

namespace gallery {

// One position's block, copied out: it stays valid after the list shows something else.
struct ShownEntry {
  std::optional<library::BlockRecord> block;  // a catalogue block, or
  std::u16string userPath;                    // the user's own file

  std::u16string path() const { return block ? library::blockDwgPath(*block) : userPath; }
};

class ShownList {
public:
  void showBlocks(library::BlockList blocks);
  void showUserBlocks(library::PathList paths);
  // The hits in rank order; the blocks stay the search's, nothing is copied.
  void showHits(std::shared_ptr<const search::LibrarySearch> search, const std::vector<search::SearchHit>& hits);
  void clear();

  size_t size() const { return positions_.size(); }
  bool empty() const { return positions_.empty(); }
  std::optional<ShownEntry> at(int64_t position) const;
  // The block at a position that holds one; null for a user's file or a position outside the list.
  const library::BlockRecord* blockAt(size_t position) const;
  // Every position's DWG path, as the list is given them.
  std::vector<std::u16string> paths() const;

private:
  struct Position {
    bool userBlock;
    size_t index;  // into userPaths_ when userBlock, blocks_ otherwise
  };

  std::shared_ptr<const library::BlockList> blocks_;
  std::shared_ptr<const library::PathList> userPaths_;
  std::vector<Position> positions_;
};

}  // namespace gallery
