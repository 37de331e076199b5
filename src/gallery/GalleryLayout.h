// Where everything of the main window goes, in pixels at 96 dpi: the one table the window is laid
// out from at any display setting, scaled edge by edge and rounded (base/DisplayScale.h).
#pragma once
#include <vector>

#include "base/DisplayScale.h"

namespace gallery {

// The client size at 96 dpi.
inline constexpr int kGalleryWidth = 590;
inline constexpr int kGalleryHeight = 454;

struct GalleryControlPlace {
  int id;               // the control's number (resource.h)
  base::PixelBox box;   // at 96 dpi
  bool pictureSized;    // the box's size is its shipped skin picture's frame; the picture loaded decides
};

// Every child window of the main window, none overlapping another.
const std::vector<GalleryControlPlace>& galleryControls();

// The control's box at dpi; an empty box for a number not in the table.
base::PixelBox galleryControlBox(int id, int dpi);

// What the window paints itself, at 96 dpi.
namespace painted {
inline constexpr base::PixelBox kDetailsOutline{19, 280, 170, 440};  // drawn 151 x 160 from its corner
inline constexpr base::PixelBox kTabRule{2, 67, kGalleryWidth - 2, 68};
inline constexpr base::PixelBox kSearchBox{128, 5, 388, 25};
inline constexpr base::PixelBox kSearchCaption{19, 46, 460, 64};
// The details panel's value lines (k = 0 to 3); each label stands 16 pixels above its value.
inline constexpr base::PixelBox detailsValue(int k) { return {32, 302 + 32 * k, 150, 327 + 35 * k}; }
inline constexpr int kDetailsLabelRise = 16;
// Repainted when the panel's texts change.
inline constexpr base::PixelBox kDetailsArea{32, 294, 159, 466};
}  // namespace painted

}  // namespace gallery
