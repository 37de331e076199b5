#include "thumbs/ThumbCache.h"

#include "base/Files.h"

namespace thumbs {

CImageThumbCachedMgr& CImageThumbCachedMgr::instance() {
  static CImageThumbCachedMgr cache;
  return cache;
}

const base::Image* CImageThumbCachedMgr::Lookup(const std::u16string& path) {
  auto found = entries_.find(path);
  if (found == entries_.end()) return nullptr;
  std::optional<uint64_t> written = base::files::lastWriteTime(path);
  if (!written) return nullptr;
  if (*written != found->second.lastWriteTime) {
    entries_.erase(found);
    return nullptr;
  }
  return &found->second.preview;
}

const base::Image& CImageThumbCachedMgr::Store(const std::u16string& path, base::Image preview) {
  ThumbCacheEntry& entry = entries_[path];
  entry.lastWriteTime = base::files::lastWriteTime(path).value_or(0);
  entry.preview = std::move(preview);
  return entry.preview;
}

void CImageThumbCachedMgr::Remove(const std::u16string& path) { entries_.erase(path); }

}  // namespace thumbs
