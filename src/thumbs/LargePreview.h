// The picture of the larger preview that shows while the mouse rests on a thumbnail: the cached
// preview fitted into at most 256 x 256 keeping its proportions (a small one enlarged), on the
// tile's ground: dark ink on light, a drawing made light on dark inverted as the tile does it.
#pragma once

#include "base/Image.h"

namespace thumbs {

inline constexpr int kLargePreviewSide = 256;

// Empty without a preview (or with an empty one). side is the longest side: 256 at 100 %, scaled
// with the display setting.
base::Image MakeLargePreview(const base::Image* preview, int side = kLargePreviewSide);

}  // namespace thumbs
