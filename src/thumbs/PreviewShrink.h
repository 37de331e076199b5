// Stretching a preview into a rectangle of another image, without keeping its proportions.
#pragma once

#include "base/Image.h"

namespace thumbs {

// What wins where several source pixels fall into one target pixel: light lines on a dark ground
// survive when each channel is OR-combined, dark lines on a light ground when it is AND-combined.
enum class ShrinkKeeps { Light, Dark };

struct Area {
  int left, top, width, height;
};

// Every target pixel of area takes the source pixels that fall into it (at least the nearest
// one, so a small preview is enlarged to fill the area).
void shrinkInto(const base::Image& source, base::Image& target, Area area, ShrinkKeeps keeps);

}  // namespace thumbs
