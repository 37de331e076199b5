#include "thumbs/CachedPreview.h"

#include "thumbs/DwgPreview.h"
#include "thumbs/Placeholder.h"
#include "thumbs/ThumbTile.h"

namespace thumbs {

SharedImage cachedPreview(const std::u16string& path, CImageThumbCachedMgr& cache, const PreviewReader& reader) {
  if (SharedImage preview = cache.Lookup(path)) return preview;
  std::optional<base::Image> read = reader ? reader(path) : LoadDwgPreview(path);
  return read ? cache.Store(path, std::move(*read)) : nullptr;
}

SharedImage cachedTile(const std::u16string& path, CImageThumbCachedMgr& cache, const PreviewReader& reader, int dpi) {
  const TileSize size = tileSizeAt(dpi);
  SharedImage tile = cache.LookupTile(path);
  if (tile && tile->width == size.width && tile->height == size.height) return tile;
  SharedImage preview = cachedPreview(path, cache, reader);
  if (!preview) return std::make_shared<const base::Image>(MakeThumbTile(&placeholderPicture(), dpi));
  return cache.StoreTile(path, MakeThumbTile(preview.get(), dpi));
}

}  // namespace thumbs
