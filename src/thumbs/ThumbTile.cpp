#include "thumbs/ThumbTile.h"

#include "thumbs/PreviewGround.h"

namespace thumbs {

namespace {

void fill(base::Image& image, Area area, uint32_t colour) {
  for (int y = area.top; y < area.top + area.height; ++y) {
    uint32_t* out = image.row(y);
    for (int x = area.left; x < area.left + area.width; ++x) out[x] = colour;
  }
}

void invert(base::Image& image, Area area) {
  for (int y = area.top; y < area.top + area.height; ++y) {
    uint32_t* out = image.row(y);
    for (int x = area.left; x < area.left + area.width; ++x) out[x] ^= 0x00FFFFFFu;
  }
}

void frame(base::Image& tile) {
  for (int x = 0; x < kTileWidth; ++x) {
    tile.at(x, 0) = base::kGreen;
    tile.at(x, kTileHeight - 1) = base::kGreen;
  }
  for (int y = 0; y < kTileHeight; ++y) {
    tile.at(0, y) = base::kGreen;
    tile.at(kTileWidth - 1, y) = base::kGreen;
  }
}

}  // namespace

base::Image MakeThumbTile(const base::Image* preview) {
  base::Image tile(kTileWidth, kTileHeight, base::kWhite);
  if (preview && preview->width > 0 && preview->height > 0) {
    fill(tile, kPictureBand, base::kBlack);
    bool darkGround = isDarkColour(mostFrequentColour(*preview));
    shrinkInto(*preview, tile, kPictureArea, darkGround ? ShrinkKeeps::Light : ShrinkKeeps::Dark);
    if (darkGround) invert(tile, kPictureArea);
  }
  frame(tile);
  return tile;
}

}  // namespace thumbs
