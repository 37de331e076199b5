#include "thumbs/CachedPreview.h"

#include <gtest/gtest.h>

#include "PreviewFiles.h"
#include "support/TempFolder.h"
#include "thumbs/DwgPreview.h"
#include "thumbs/Placeholder.h"
#include "thumbs/ThumbTile.h"

using namespace thumbs;
using namespace thumbs_testing;

// What the larger preview and the drag image get: the cached picture, or the file read again.
TEST(CachedPreview, ReadOnlyWhenTheCacheHasNone) {
  testing_support::TempFolder folder;
  std::u16string oak = folder.file(u"Oak.dwg"), broken = folder.file(u"Broken.dwg");
  writeFile(oak, dwgFile({{kDibEntry, dib(patterned(12, 6), 24)}}));
  writeFile(broken, "not a drawing");
  CImageThumbCachedMgr cache;
  int reads = 0;
  PreviewReader counted = [&](const std::u16string& path) {
    ++reads;
    return LoadDwgPreview(path);
  };
  ASSERT_NE(cachedPreview(oak, cache, counted), nullptr);
  SharedImage tile = cachedTile(oak, cache, counted);
  ASSERT_NE(tile, nullptr);
  EXPECT_EQ(tile->width, kTileWidth);
  // Another display setting makes its own tile from the kept preview.
  EXPECT_EQ(cachedTile(oak, cache, counted, 144)->width, 174);
  EXPECT_EQ(cachedTile(oak, cache, counted, 144)->height, 83);
  EXPECT_EQ(reads, 1);
  cache.Remove(oak);  // as when the budget let it go
  EXPECT_EQ(cachedPreview(oak, cache, counted)->width, 12);
  EXPECT_EQ(reads, 2);

  EXPECT_EQ(cachedPreview(broken, cache, counted), nullptr);
  EXPECT_EQ(cachedTile(broken, cache, counted)->pixels, MakeThumbTile(&placeholderPicture()).pixels);
  EXPECT_EQ(cache.size(), 1u);
}
