// The 116 x 55 thumbnail tile of one block: a 1-pixel green frame around white; with a preview, a
// black band at (3,3,113,52) around the 106 x 45 picture area at (5,5). Every tile shows dark ink
// on a light ground: a preview drawn light on a dark ground is shrunk keeping its light pixels and
// then inverted, one drawn dark on a light ground is shrunk keeping its dark pixels as it is.
#pragma once

#include "base/DisplayScale.h"
#include "base/Image.h"
#include "thumbs/PreviewShrink.h"

namespace thumbs {

inline constexpr int kTileWidth = 116;
inline constexpr int kTileHeight = 55;
inline constexpr Area kPictureBand{3, 3, 110, 49};
inline constexpr Area kPictureArea{5, 5, 106, 45};

// At another display setting every length above is scaled to dpi, edge by edge (174 x 83 at 144),
// and the preview shrunk into the larger picture area.
struct TileSize {
  int width, height;
};
TileSize tileSizeAt(int dpi);

// Without a preview: the empty frame, no band. The preview stays with its owner.
base::Image MakeThumbTile(const base::Image* preview, int dpi = base::kBaseDpi);

}  // namespace thumbs
