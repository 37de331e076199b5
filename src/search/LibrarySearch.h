// The gallery's search over its library: every available block (what the category walk would
// show) by its name as stored and as displayed, <Spec> text, details, manufacturer and the names
// of its category path, and the user's own blocks by file name.
#pragma once
#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "library/Categories.h"
#include "library/ItemList.h"
#include "library/UserBlocks.h"
#include "search/SearchIndex.h"

namespace search {

// What a search covers, copied on the user-interface thread so the index can be built elsewhere.
struct LibrarySnapshot {
  library::BlockList blocks;        // the available blocks, in library order
  library::PathList userBlockPaths; // the user's list; only files that exist are searched
  // Each category folder with the names of its path below the root ("园林景观", "植物", "乔木").
  std::vector<std::pair<std::u16string, std::vector<std::u16string>>> categoryNames;
};

LibrarySnapshot snapshotOf(const library::Categories& categories, const library::BlockList& available,
                           const library::PathList& userBlockPaths);

struct SearchHit {
  bool userBlock;  // index into userBlocks() when true, blocks() otherwise
  size_t index;
  Rank rank;
};

class LibrarySearch {
public:
  // Builds the index; reads the disk only to see which user blocks exist.
  explicit LibrarySearch(LibrarySnapshot snapshot);

  // Ranked hits; the recently used blocks (their ids, most recent first) go first among equals. nullopt when
  // stopped, empty for an empty query.
  std::optional<std::vector<SearchHit>> find(std::u16string_view query, const std::vector<std::u16string>& recentIds,
                                             const std::atomic<bool>* stop = nullptr) const;

  const library::BlockList& blocks() const { return snapshot_.blocks; }
  const library::PathList& userBlocks() const { return userBlocks_; }
  const SearchIndex& index() const { return index_; }
  // The names of the block's category path joined by " > ", for reports.
  std::u16string categoryPath(const library::BlockRecord& block) const;
  // The path a hit stands for: the block's DWG file or the user's own file.
  std::u16string pathOf(const SearchHit& hit) const;

private:
  const std::vector<std::u16string>* namesOfFolder(const std::u16string& folder) const;

  LibrarySnapshot snapshot_;
  library::PathList userBlocks_;
  std::unordered_map<std::u16string, size_t> folderNames_;      // folder → categoryNames position
  std::unordered_multimap<std::u16string, size_t> entriesOfId_;  // block id → entries
  SearchIndex index_;
};

}  // namespace search
