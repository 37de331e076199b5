#include "search/LibrarySearch.h"

namespace search {

LibrarySnapshot snapshotOf(const library::Categories& categories, const library::BlockList& available,
                           const library::PathList& userBlockPaths) {
  LibrarySnapshot snapshot{available, userBlockPaths, {}};
  const library::CategoryTree& tree = categories.tree;
  for (size_t row = 1; row < categories.table.size(); ++row) {
    std::vector<std::u16string> names;
    for (size_t node = tree.nodeOfRow(row); node < tree.nodes().size() && tree.nodes()[node].parent != library::kNoNode;
         node = tree.nodes()[node].parent) {
      names.insert(names.begin(), tree.nodes()[node].text);
    }
    snapshot.categoryNames.emplace_back(categories.table[row].folder, std::move(names));
  }
  return snapshot;
}

LibrarySearch::LibrarySearch(LibrarySnapshot snapshot)
    : snapshot_(std::move(snapshot)), userBlocks_(library::shownUserBlocks(snapshot_.userBlockPaths)) {
  for (size_t k = 0; k < snapshot_.categoryNames.size(); ++k) folderNames_.emplace(snapshot_.categoryNames[k].first, k);
  SearchIndexBuilder builder;
  const size_t count = snapshot_.blocks.size() + userBlocks_.size();
  builder.reserve(count, count * 6);
  entriesOfId_.reserve(snapshot_.blocks.size());
  const std::vector<std::u16string>* names = nullptr;
  const std::u16string* namesFolder = nullptr;  // blocks come in runs of one folder
  for (size_t k = 0; k < snapshot_.blocks.size(); ++k) {
    const library::BlockRecord& block = snapshot_.blocks[k];
    entriesOfId_.emplace(block.id, k);
    builder.beginEntry();
    builder.addName(block.name);
    std::u16string shown = library::displayName(block.name);
    if (shown != block.name) builder.addName(shown);
    for (const std::u16string* text : {&block.spec, &block.detail, &block.mfrs})
      if (!library::isEmptyValue(*text)) builder.addOther(*text);
    if (!namesFolder || *namesFolder != block.folder) {
      names = namesOfFolder(block.folder);
      namesFolder = &block.folder;
    }
    if (names)
      for (const std::u16string& name : *names) builder.addOther(name);
  }
  for (const std::u16string& path : userBlocks_) {
    builder.beginEntry();
    builder.addName(library::userBlockName(path));
  }
  index_ = builder.finish();
}

std::optional<std::vector<SearchHit>> LibrarySearch::find(std::u16string_view query, const std::vector<std::u16string>& recentIds,
                                                          const std::atomic<bool>* stop) const {
  std::unordered_map<size_t, size_t> preferred;
  for (size_t place = 0; place < recentIds.size(); ++place) {
    auto [first, last] = entriesOfId_.equal_range(recentIds[place]);
    for (auto it = first; it != last; ++it) preferred.try_emplace(it->second, place);
  }
  std::optional<std::vector<SearchIndex::Hit>> found = index_.find(query, preferred, stop);
  if (!found) return std::nullopt;
  std::vector<SearchHit> hits;
  hits.reserve(found->size());
  const size_t blockCount = snapshot_.blocks.size();
  for (const SearchIndex::Hit& hit : *found) {
    bool user = hit.entry >= blockCount;
    hits.push_back(SearchHit{user, user ? hit.entry - blockCount : hit.entry, hit.rank});
  }
  return hits;
}

const std::vector<std::u16string>* LibrarySearch::namesOfFolder(const std::u16string& folder) const {
  auto found = folderNames_.find(folder);
  return found == folderNames_.end() ? nullptr : &snapshot_.categoryNames[found->second].second;
}

std::u16string LibrarySearch::categoryPath(const library::BlockRecord& block) const {
  std::u16string path;
  if (const std::vector<std::u16string>* names = namesOfFolder(block.folder)) {
    for (const std::u16string& name : *names) path += (path.empty() ? u"" : u" > ") + name;
  }
  return path;
}

std::u16string LibrarySearch::pathOf(const SearchHit& hit) const {
  return hit.userBlock ? userBlocks_[hit.index] : library::blockDwgPath(snapshot_.blocks[hit.index]);
}

}  // namespace search
