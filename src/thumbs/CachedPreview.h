// A block's preview and tile through the thumbnail cache: read from the DWG file, and kept, only
// when the cache has none (never read, evicted, or the file written since). The loader, the larger
// preview and the drag image all get them here.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "base/DisplayScale.h"
#include "thumbs/ThumbCache.h"

namespace thumbs {

using PreviewReader = std::function<std::optional<base::Image>(const std::u16string& path)>;

// None when the file has no preview that can be read.
SharedImage cachedPreview(const std::u16string& path, CImageThumbCachedMgr& cache = CImageThumbCachedMgr::instance(),
                          const PreviewReader& reader = {});
// The tile for a display setting (116 x 55 at 96 dpi); a tile kept for another setting is made
// anew. A file without a preview gets the placeholder's, which is not kept.
SharedImage cachedTile(const std::u16string& path, CImageThumbCachedMgr& cache = CImageThumbCachedMgr::instance(),
                       const PreviewReader& reader = {}, int dpi = base::kBaseDpi);

}  // namespace thumbs
