#include "thumbs/LargePreview.h"

#include <algorithm>

#include "thumbs/PreviewGround.h"
#include "thumbs/PreviewShrink.h"

namespace thumbs {

base::Image MakeLargePreview(const base::Image* preview, int side) {
  if (!preview || preview->width < 1 || preview->height < 1) return base::Image();
  // The longer side becomes side; the other keeps the proportion, at least one pixel.
  int64_t longer = std::max(preview->width, preview->height);
  int width = int(std::max<int64_t>(1, preview->width * side / longer));
  int height = int(std::max<int64_t>(1, preview->height * side / longer));
  base::Image picture(width, height, base::kWhite);
  bool darkGround = isDarkColour(mostFrequentColour(*preview));
  shrinkInto(*preview, picture, Area{0, 0, width, height}, darkGround ? ShrinkKeeps::Light : ShrinkKeeps::Dark);
  if (darkGround) {
    for (uint32_t& pixel : picture.pixels) pixel ^= 0x00FFFFFFu;
  }
  return picture;
}

}  // namespace thumbs
