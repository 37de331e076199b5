// CImageThumbCachedMgr: the previews read so far and the tiles made of them, one cache for the
// whole process, within a memory budget (64 MB by default): the least recently used entries go
// first when a new one would pass it.
//
// Keys are full paths exactly as given (case-sensitive, not normalised). An entry remembers the
// file's last-write time when it was stored; a lookup that finds another time drops the entry.
// The loader thread and the window's thread both use it: every call takes its lock, and what it
// hands out is shared, so an entry evicted meanwhile stays whole for whoever still holds it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "base/Image.h"

namespace thumbs {

using SharedImage = std::shared_ptr<const base::Image>;

class CImageThumbCachedMgr {
public:
  static constexpr size_t kDefaultBudget = size_t(64) << 20;

  explicit CImageThumbCachedMgr(size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}
  static CImageThumbCachedMgr& instance();

  // The cached preview; none when absent, when the file cannot be found (the entry stays) or when
  // the file was written since (the entry goes).
  SharedImage Lookup(const std::u16string& path);
  // The tile made of the cached preview, by the same rules; none until StoreTile gave one.
  SharedImage LookupTile(const std::u16string& path);
  // Takes the preview over, replacing any earlier entry (and its tile); returns the stored preview.
  SharedImage Store(const std::u16string& path, base::Image preview);
  // Keeps the tile beside the preview stored for path; without such an entry nothing is kept.
  SharedImage StoreTile(const std::u16string& path, base::Image tile);
  void Remove(const std::u16string& path);

  size_t size() const;
  // What the entries hold, as counted against the budget.
  size_t bytes() const;

private:
  struct ThumbCacheEntry {
    uint64_t lastWriteTime = 0;  // zero when the file could not be found at Store
    SharedImage preview, tile;
    std::list<std::u16string>::iterator age;  // its place in recent_
    size_t bytes = 0;
  };
  using Entries = std::unordered_map<std::u16string, ThumbCacheEntry>;

  ThumbCacheEntry* fresh(const std::u16string& path);
  void erase(Entries::iterator entry);
  void account(ThumbCacheEntry& entry, const std::u16string& path);
  void evictBeyondBudget();

  const size_t budget_;
  mutable std::mutex mutex_;
  Entries entries_;
  std::list<std::u16string> recent_;  // most recently used first
  size_t bytes_ = 0;
};

}  // namespace thumbs
