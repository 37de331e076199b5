#include "thumbs/LargePreview.h"

#include <gtest/gtest.h>

using namespace thumbs;

namespace {

// A frame one pixel wide in ink on ground.
Image framed(int width, int height, uint32_t ground, uint32_t ink) {
  Image image(width, height, ground);
  for (int x = 0; x < width; ++x) image.at(x, 0) = image.at(x, height - 1) = ink;
  for (int y = 0; y < height; ++y) image.at(0, y) = image.at(width - 1, y) = ink;
  return image;
}

TEST(LargePreview, FitsIntoTwoHundredFiftySixKeepingProportions) {
  const struct {
    int width, height, wantWidth, wantHeight;
  } cases[] = {
      {512, 256, 256, 128}, {300, 900, 85, 256}, {40, 20, 256, 128}, {256, 256, 256, 256}, {1000, 2, 256, 1},
  };
  for (const auto& c : cases) {
    Image preview = framed(c.width, c.height, kWhite, kBlack);
    Image large = MakeLargePreview(&preview);
    EXPECT_EQ(large.width, c.wantWidth) << c.width << "x" << c.height;
    EXPECT_EQ(large.height, c.wantHeight) << c.width << "x" << c.height;
  }
}

TEST(LargePreview, ShowsDarkInkOnALightGroundAsTheTileDoes) {
  Image light = framed(128, 64, kWhite, rgb(200, 0, 0));
  Image dark = framed(128, 64, kBlack, kWhite);
  for (const Image* preview : {&light, &dark}) {
    Image large = MakeLargePreview(preview);
    ASSERT_EQ(large.width, 256);
    EXPECT_EQ(large.at(128, 64), kWhite);  // ground
    EXPECT_EQ(large.at(0, 64), preview == &light ? rgb(200, 0, 0) : kBlack);  // the frame's ink survives
    EXPECT_EQ(large.at(128, 127), large.at(0, 64));
  }
}

TEST(LargePreview, NoPreviewGivesNoPicture) {
  Image empty;
  EXPECT_EQ(MakeLargePreview(nullptr).pixels.size(), 0u);
  EXPECT_EQ(MakeLargePreview(&empty).pixels.size(), 0u);
}

}  // namespace
