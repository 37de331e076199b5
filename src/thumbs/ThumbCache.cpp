#include "thumbs/ThumbCache.h"

#include "base/Files.h"

namespace thumbs {

namespace {

size_t imageBytes(const SharedImage& image) { return image ? image->pixels.size() * sizeof(uint32_t) : 0; }

}  // namespace

CImageThumbCachedMgr& CImageThumbCachedMgr::instance() {
  static CImageThumbCachedMgr cache;
  return cache;
}

// The entry for path, moved to the front of the recent ones, unless it is absent or stale.
CImageThumbCachedMgr::ThumbCacheEntry* CImageThumbCachedMgr::fresh(const std::u16string& path) {
  auto found = entries_.find(path);
  if (found == entries_.end()) return nullptr;
  std::optional<uint64_t> written = base::files::lastWriteTime(path);
  if (!written) return nullptr;
  if (*written != found->second.lastWriteTime) {
    erase(found);
    return nullptr;
  }
  recent_.splice(recent_.begin(), recent_, found->second.age);
  return &found->second;
}

SharedImage CImageThumbCachedMgr::Lookup(const std::u16string& path) {
  std::lock_guard lock(mutex_);
  ThumbCacheEntry* entry = fresh(path);
  return entry ? entry->preview : nullptr;
}

SharedImage CImageThumbCachedMgr::LookupTile(const std::u16string& path) {
  std::lock_guard lock(mutex_);
  ThumbCacheEntry* entry = fresh(path);
  return entry ? entry->tile : nullptr;
}

SharedImage CImageThumbCachedMgr::Store(const std::u16string& path, base::Image preview) {
  uint64_t written = base::files::lastWriteTime(path).value_or(0);
  auto shared = std::make_shared<const base::Image>(std::move(preview));
  std::lock_guard lock(mutex_);
  if (auto old = entries_.find(path); old != entries_.end()) erase(old);
  recent_.push_front(path);
  ThumbCacheEntry& entry = entries_[path];
  entry.lastWriteTime = written;
  entry.preview = shared;
  entry.age = recent_.begin();
  account(entry, path);
  evictBeyondBudget();
  return shared;
}

SharedImage CImageThumbCachedMgr::StoreTile(const std::u16string& path, base::Image tile) {
  auto shared = std::make_shared<const base::Image>(std::move(tile));
  std::lock_guard lock(mutex_);
  auto found = entries_.find(path);
  if (found == entries_.end()) return shared;
  found->second.tile = shared;
  account(found->second, path);
  evictBeyondBudget();
  return shared;
}

void CImageThumbCachedMgr::Remove(const std::u16string& path) {
  std::lock_guard lock(mutex_);
  if (auto found = entries_.find(path); found != entries_.end()) erase(found);
}

size_t CImageThumbCachedMgr::size() const {
  std::lock_guard lock(mutex_);
  return entries_.size();
}

size_t CImageThumbCachedMgr::bytes() const {
  std::lock_guard lock(mutex_);
  return bytes_;
}

void CImageThumbCachedMgr::erase(Entries::iterator entry) {
  bytes_ -= entry->second.bytes;
  recent_.erase(entry->second.age);
  entries_.erase(entry);
}

// The pixels and the key, twice (map and recent list): what the entry costs, near enough.
void CImageThumbCachedMgr::account(ThumbCacheEntry& entry, const std::u16string& path) {
  bytes_ -= entry.bytes;
  entry.bytes = imageBytes(entry.preview) + imageBytes(entry.tile) + 2 * path.size() * sizeof(char16_t);
  bytes_ += entry.bytes;
}

// The newest entry stays even when it alone is over the budget: it is the one just asked for.
void CImageThumbCachedMgr::evictBeyondBudget() {
  while (bytes_ > budget_ && recent_.size() > 1) erase(entries_.find(recent_.back()));
}

}  // namespace thumbs
