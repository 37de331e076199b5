#include <gtest/gtest.h>

#include "gallery/GalleryLayout.h"

namespace {

using base::PixelBox;
using gallery::galleryControlBox;
using gallery::galleryControls;

// The close button (1121), the update button (1002), the thumbnail list (2213) and the first tab
// (1000) at each setting: halves round away from zero, and edges scale one by one.
struct Setting {
  int dpi;
  int width, height;
  PixelBox close, update, list, firstTab;
};

const Setting kSettings[] = {
    {96, 590, 454, {546, 2, 587, 18}, {397, 5, 463, 25}, {181, 75, 573, 442}, {28, 30, 100, 49}},
    {120, 738, 568, {683, 3, 734, 23}, {496, 6, 579, 31}, {226, 94, 716, 553}, {35, 38, 125, 61}},
    {144, 885, 681, {819, 3, 881, 27}, {596, 8, 695, 38}, {272, 113, 860, 663}, {42, 45, 150, 74}},
    {192, 1180, 908, {1092, 4, 1174, 36}, {794, 10, 926, 50}, {362, 150, 1146, 884}, {56, 60, 200, 98}},
};

TEST(GalleryLayout, ScalesEveryPlaceRoundedWithoutOverlapInsideTheWindow) {
  for (const Setting& s : kSettings) {
    SCOPED_TRACE(s.dpi);
    EXPECT_EQ(base::scaled(gallery::kGalleryWidth, s.dpi), s.width);
    EXPECT_EQ(base::scaled(gallery::kGalleryHeight, s.dpi), s.height);
    EXPECT_EQ(galleryControlBox(1121, s.dpi), s.close);
    EXPECT_EQ(galleryControlBox(1002, s.dpi), s.update);
    EXPECT_EQ(galleryControlBox(2213, s.dpi), s.list);
    EXPECT_EQ(galleryControlBox(1000, s.dpi), s.firstTab);
    const auto& controls = galleryControls();
    for (size_t i = 0; i < controls.size(); ++i) {
      const PixelBox box = galleryControlBox(controls[i].id, s.dpi);
      EXPECT_GT(box.width(), 0) << controls[i].id;
      EXPECT_GT(box.height(), 0) << controls[i].id;
      EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= s.width && box.bottom <= s.height) << controls[i].id;
      for (size_t j = i + 1; j < controls.size(); ++j) {
        EXPECT_FALSE(box.overlaps(galleryControlBox(controls[j].id, s.dpi))) << controls[i].id << " " << controls[j].id;
      }
    }
  }
  EXPECT_EQ(base::scaled(-5, 144), -8);
  EXPECT_EQ(galleryControlBox(4242, 144), PixelBox{});
}

}  // namespace
