// CImageThumbCachedMgr: the previews read so far, one cache for the whole process.
//
// Keys are full paths exactly as given (case-sensitive, not normalised). An entry remembers the
// file's last-write time when it was stored; a lookup that finds another time drops the entry.
// There is no limit and no ageing, and no lock: during a loader run only the loader uses the cache,
// otherwise only the user-interface thread does.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>

#include "base/Image.h"

namespace thumbs {

class CImageThumbCachedMgr {
public:
  static CImageThumbCachedMgr& instance();

  // The cached preview, still owned by the cache; none when absent, when the file cannot be found
  // (the entry stays) or when the file was written since (the entry goes).
  const base::Image* Lookup(const std::u16string& path);
  // Takes the preview over, replacing any earlier entry; returns the stored preview.
  const base::Image& Store(const std::u16string& path, base::Image preview);
  void Remove(const std::u16string& path);

  size_t size() const { return entries_.size(); }

private:
  struct ThumbCacheEntry {
    uint64_t lastWriteTime = 0;   // zero when the file could not be found at Store
    base::Image preview;
  };
  std::unordered_map<std::u16string, ThumbCacheEntry> entries_;
};

}  // namespace thumbs
