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

// The green frame, thickness pixels wide.
void frame(base::Image& tile, int thickness) {
  const int w = tile.width, h = tile.height;
  fill(tile, {0, 0, w, thickness}, base::kGreen);
  fill(tile, {0, h - thickness, w, thickness}, base::kGreen);
  fill(tile, {0, 0, thickness, h}, base::kGreen);
  fill(tile, {w - thickness, 0, thickness, h}, base::kGreen);
}

Area scaled(Area area, int dpi) {
  const int left = base::scaled(area.left, dpi), top = base::scaled(area.top, dpi);
  return {left, top, base::scaled(area.left + area.width, dpi) - left, base::scaled(area.top + area.height, dpi) - top};
}

}  // namespace

TileSize tileSizeAt(int dpi) { return {base::scaled(kTileWidth, dpi), base::scaled(kTileHeight, dpi)}; }

base::Image MakeThumbTile(const base::Image* preview, int dpi) {
  const TileSize size = tileSizeAt(dpi);
  base::Image tile(size.width, size.height, base::kWhite);
  if (preview && preview->width > 0 && preview->height > 0) {
    const Area pictureArea = scaled(kPictureArea, dpi);
    fill(tile, scaled(kPictureBand, dpi), base::kBlack);
    bool darkGround = isDarkColour(mostFrequentColour(*preview));
    shrinkInto(*preview, tile, pictureArea, darkGround ? ShrinkKeeps::Light : ShrinkKeeps::Dark);
    if (darkGround) invert(tile, pictureArea);
  }
  frame(tile, base::scaled(1, dpi));
  return tile;
}

}  // namespace thumbs
