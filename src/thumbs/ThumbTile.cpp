#include "thumbs/ThumbTile.h"

#include "thumbs/PreviewGround.h"

namespace thumbs {

namespace {

void fill(Image& image, Area area, uint32_t colour) {
  for (int y = area.top; y < area.top + area.height; ++y) {
    uint32_t* out = image.row(y);
    for (int x = area.left; x < area.left + area.width; ++x) out[x] = colour;
  }
}

void invert(Image& image, Area area) {
  for (int y = area.top; y < area.top + area.height; ++y) {
    uint32_t* out = image.row(y);
    for (int x = area.left; x < area.left + area.width; ++x) out[x] ^= 0x00FFFFFFu;
  }
}

void frame(Image& tile) {
  for (int x = 0; x < kTileWidth; ++x) {
    tile.at(x, 0) = kGreen;
    tile.at(x, kTileHeight - 1) = kGreen;
  }
  for (int y = 0; y < kTileHeight; ++y) {
    tile.at(0, y) = kGreen;
    tile.at(kTileWidth - 1, y) = kGreen;
  }
}

}  // namespace

Image MakeThumbTile(const Image* preview) {
  Image tile(kTileWidth, kTileHeight, kWhite);
  if (preview && preview->width > 0 && preview->height > 0) {
    fill(tile, kPictureBand, kBlack);
    bool darkGround = isDarkColour(mostFrequentColour(*preview));
    shrinkInto(*preview, tile, kPictureArea, darkGround ? ShrinkKeeps::Light : ShrinkKeeps::Dark);
    if (darkGround) invert(tile, kPictureArea);
  }
  frame(tile);
  return tile;
}

}  // namespace thumbs
