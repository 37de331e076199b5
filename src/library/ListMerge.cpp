#include "library/ListMerge.h"

#include <algorithm>

namespace library {

namespace {

void erase(PathList& paths, const std::u16string& path) {
  paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
}

}  // namespace

void UserBlockEdits::add(const PathList& paths) {
  for (const std::u16string& path : paths) {
    erase(deleted, path);
    if (std::find(added.begin(), added.end(), path) == added.end()) added.push_back(path);
  }
}

void UserBlockEdits::remove(const std::u16string& path) {
  erase(added, path);
  if (std::find(deleted.begin(), deleted.end(), path) == deleted.end()) deleted.push_back(path);
}

PathList mergedUserBlocks(PathList fromFile, const UserBlockEdits& edits) {
  addUserBlocks(fromFile, edits.added);  // sorts and drops duplicates
  for (const std::u16string& path : edits.deleted) erase(fromFile, path);
  return fromFile;
}

BlockList mergedRecentBlocks(const BlockList& fromFile, const BlockList& chosen) {
  BlockList merged = chosen;
  for (const BlockRecord& block : fromFile) {
    auto same = [&](const BlockRecord& c) { return c.id == block.id; };
    if (std::none_of(chosen.begin(), chosen.end(), same)) merged.push_back(block);
  }
  return merged;
}

}  // namespace library
