#include "gallery/ShownList.h"

namespace gallery {

void ShownList::showBlocks(library::BlockList blocks) {
  clear();
  positions_.reserve(blocks.size());
  for (size_t k = 0; k < blocks.size(); ++k) positions_.push_back({false, k});
  blocks_ = std::make_shared<const library::BlockList>(std::move(blocks));
}

void ShownList::showUserBlocks(library::PathList paths) {
  clear();
  positions_.reserve(paths.size());
  for (size_t k = 0; k < paths.size(); ++k) positions_.push_back({true, k});
  userPaths_ = std::make_shared<const library::PathList>(std::move(paths));
}

void ShownList::showHits(std::shared_ptr<const search::LibrarySearch> search,
                         const std::vector<search::SearchHit>& hits) {
  clear();
  positions_.reserve(hits.size());
  for (const search::SearchHit& hit : hits) positions_.push_back({hit.userBlock, hit.index});
  // Views into the search, which they keep alive.
  blocks_ = std::shared_ptr<const library::BlockList>(search, &search->blocks());
  userPaths_ = std::shared_ptr<const library::PathList>(search, &search->userBlocks());
}

void ShownList::clear() {
  positions_.clear();
  blocks_.reset();
  userPaths_.reset();
}

std::optional<ShownEntry> ShownList::at(int64_t position) const {
  if (position < 0 || uint64_t(position) >= positions_.size()) return std::nullopt;
  const Position& at = positions_[size_t(position)];
  if (at.userBlock) return ShownEntry{std::nullopt, (*userPaths_)[at.index]};
  return ShownEntry{(*blocks_)[at.index], {}};
}

const library::BlockRecord* ShownList::blockAt(size_t position) const {
  if (position >= positions_.size() || positions_[position].userBlock) return nullptr;
  return &(*blocks_)[positions_[position].index];
}

std::vector<std::u16string> ShownList::paths() const {
  std::vector<std::u16string> paths;
  paths.reserve(positions_.size());
  for (const Position& at : positions_)
    paths.push_back(at.userBlock ? (*userPaths_)[at.index] : library::blockDwgPath((*blocks_)[at.index]));
  return paths;
}

}  // namespace gallery
