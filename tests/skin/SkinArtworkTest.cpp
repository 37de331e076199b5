// The committed artwork, checked against what the paint and the owners of the buttons rely on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "base/DisplayScale.h"
#include "base/Files.h"
#include "base/Text.h"
#include "skin/SkinImagePainter.h"
#include "thumbs/DibPicture.h"

namespace {

std::string sourceRoot() {
  if (const char* root = std::getenv("BLOCKERY_SOURCE")) return root;
  std::string here = __FILE__;
  return here.substr(0, here.rfind("/tests/skin/"));
}

base::Image loadBmp(const std::string& relative) {
  std::string bytes, failure;
  if (!base::files::readWhole(base::fromUtf8(sourceRoot() + "/" + relative), bytes)) {
    ADD_FAILURE() << "cannot read " << relative;
    return {};
  }
  auto image = thumbs::decodeBmpFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), failure);
  if (!image) {
    ADD_FAILURE() << relative << ": " << failure;
    return {};
  }
  return std::move(*image);
}

int brightness(uint32_t c) { return int(base::redOf(c) + base::greenOf(c) + base::blueOf(c)); }

bool rowIsUniform(const base::Image& image, int y, int fromX, int toX) {
  for (int x = fromX; x < toX; ++x)
    if (image.at(x, y) != image.at(fromX, y)) return false;
  return true;
}

bool columnIsUniform(const base::Image& image, int x, int fromY, int toY) {
  for (int y = fromY; y < toY; ++y)
    if (image.at(x, y) != image.at(x, fromY)) return false;
  return true;
}

bool framesEqual(const base::Image& strip, int a, int b) {
  const int w = strip.width / 5;
  for (int y = 0; y < strip.height; ++y)
    for (int x = 0; x < w; ++x)
      if (strip.at(a * w + x, y) != strip.at(b * w + x, y)) return false;
  return true;
}

class SkinArtwork : public ::testing::Test {
protected:
  base::Image frame = loadBmp("resources/art/frame.bmp");
  base::Image left = loadBmp("resources/art/title_left.bmp");
  base::Image body = loadBmp("resources/art/title_body.bmp");
  base::Image right = loadBmp("resources/art/title_right.bmp");
  base::Image logo = loadBmp("resources/art/logo.bmp");
};

TEST_F(SkinArtwork, ResourcesHaveTheirSizes) {
  EXPECT_EQ(logo.width, 90);
  EXPECT_EQ(logo.height, 18);
  EXPECT_EQ(left.width, 18);
  EXPECT_EQ(left.height, 100);
  EXPECT_EQ(right.width, 18);
  EXPECT_EQ(right.height, 100);
  EXPECT_EQ(body.width, 1806);
  EXPECT_EQ(body.height, 110);
  EXPECT_EQ(frame.width, 650);
  EXPECT_EQ(frame.height, 64);
}

TEST_F(SkinArtwork, StretchedFramePiecesAreUniformAlongTheirStretch) {
  ASSERT_EQ(frame.height, 64);
  EXPECT_TRUE(columnIsUniform(frame, 0, 2, 62));
  EXPECT_TRUE(columnIsUniform(frame, 1, 2, 62));
  EXPECT_TRUE(rowIsUniform(frame, 62, 2, 648));
  EXPECT_TRUE(rowIsUniform(frame, 63, 2, 648));
  EXPECT_LT(brightness(frame.at(0, 30)), brightness(frame.at(1, 30)));    // dark outside, light inside
  EXPECT_LT(brightness(frame.at(300, 63)), brightness(frame.at(300, 62)));
}

TEST_F(SkinArtwork, TitleBandIsADarkGradientBetweenBlackRows) {
  ASSERT_EQ(body.width, 1806);
  for (int y = 0; y < 29; ++y) EXPECT_TRUE(rowIsUniform(body, y, 0, body.width)) << y;
  EXPECT_EQ(body.at(0, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(body.at(0, 28) & 0xFFFFFF, 0u);
  EXPECT_GT(brightness(body.at(0, 1)), brightness(body.at(0, 2)));
  for (int y = 2; y < 28; ++y) EXPECT_LT(brightness(body.at(0, y)), 3 * 128) << y;
  EXPECT_GE(brightness(body.at(0, 2)), brightness(body.at(0, 27)));
}

TEST_F(SkinArtwork, PaintedWindowHasAClosedBorderAndAContinuousBand) {
  const int w = 590, h = 454;
  base::Image canvas(w, h, base::kBlack);
  skin::paintSkin(canvas, {&frame, &left, &body, &right, &logo}, skin::SkinnedWindow::Gallery);
  const uint32_t dark = frame.at(0, 30), light = frame.at(1, 30);
  for (int y = 29; y < h - 1; ++y) {
    ASSERT_EQ(canvas.at(0, y), dark) << y;
    ASSERT_EQ(canvas.at(w - 1, y), dark) << y;
  }
  for (int x = 0; x < w; ++x) {
    ASSERT_EQ(canvas.at(x, 0) & 0xFFFFFF, 0u) << x;
    ASSERT_EQ(canvas.at(x, 28) & 0xFFFFFF, 0u) << x;
    ASSERT_EQ(canvas.at(x, h - 1), dark) << x;
  }
  for (int y = 30; y < h - 2; ++y) ASSERT_EQ(canvas.at(1, y), light) << y;
}

TEST_F(SkinArtwork, PicturesOnTheBandCarryTheBandBehindThem) {
  // No transparency: the logo at y 7, the close button at y 2 and the update and help buttons at
  // y 5 show their own copy of the band rows they cover.
  EXPECT_EQ(logo.at(0, 0), body.at(0, 7));
  EXPECT_EQ(logo.at(0, 17), body.at(0, 24));
  base::Image close = loadBmp("resources/GallerySkin/FRAME_BT_CLOSE.bmp");
  EXPECT_EQ(close.at(0, 0), body.at(0, 2));
  EXPECT_EQ(close.at(0, 15), body.at(0, 17));
  for (const char* name : {"update", "help"}) {
    base::Image strip = loadBmp(std::string("resources/GallerySkin/") + name + ".bmp");
    EXPECT_EQ(strip.at(0, 0), body.at(0, 5)) << name;
    EXPECT_EQ(strip.at(0, strip.height - 1), body.at(0, 4 + strip.height)) << name;
  }
}

// Each strip is also drawn for 150 % and 200 %: its frames are the 100 % frame's size at 144 and
// 192 dpi, as the windows place them, so they are shown unstretched there.
TEST(SkinArtworkScales, LargerStripsHaveTheScaledFrameSize) {
  for (const char* name : {"FRAME_BT_CLOSE", "BT_DEFAULT_OK", "BT_DEFAULT", "update", "help", "add"}) {
    const base::Image one = loadBmp(std::string("resources/GallerySkin/") + name + ".bmp");
    for (auto [suffix, dpi] : {std::pair{"@150", 144}, std::pair{"@200", 192}}) {
      const base::Image larger = loadBmp(std::string("resources/GallerySkin/") + name + suffix + ".bmp");
      EXPECT_EQ(larger.width, base::scaled(one.width / 5, dpi) * 5) << name << suffix;
      EXPECT_EQ(larger.height, base::scaled(one.height, dpi)) << name << suffix;
    }
  }
}

struct StripCase {
  const char* file;
  int width;   // 0: any width that fits
  int height;  // 0: any height that fits
  int left, top, right, bottom;  // where the owner places it must stay inside this box
};

class SkinStrip : public ::testing::TestWithParam<StripCase> {};

TEST_P(SkinStrip, FiveDistinctStateFramesThatFitTheirPlace) {
  const StripCase& c = GetParam();
  base::Image strip = loadBmp(std::string("resources/GallerySkin/") + c.file);
  ASSERT_GT(strip.width, 0);
  EXPECT_EQ(strip.width % 5, 0);
  const int w = skin::frameWidthOf(strip.width);
  if (c.width) {
    EXPECT_EQ(w, c.width);
  }
  if (c.height) {
    EXPECT_EQ(strip.height, c.height);
  }
  EXPECT_LE(c.left + w, c.right);
  EXPECT_LE(c.top + strip.height, c.bottom);
  EXPECT_FALSE(framesEqual(strip, 0, 1));
  EXPECT_FALSE(framesEqual(strip, 0, 3));
  EXPECT_FALSE(framesEqual(strip, 0, 4));
  EXPECT_FALSE(framesEqual(strip, 1, 3));
}

// Places in the 590-wide main window: update (397, 5) before help (471, 5) before the close
// button (546, 2), inside the 29-row band; add-more (468, 36) above the rule at y 67.
INSTANTIATE_TEST_SUITE_P(GallerySkin, SkinStrip, ::testing::Values(
    StripCase{"FRAME_BT_CLOSE.bmp", 41, 16, 0, 2, 590, 29},
    StripCase{"BT_DEFAULT_OK.bmp", 73, 19, 0, 0, 590, 454},
    StripCase{"BT_DEFAULT.bmp", 73, 19, 0, 0, 590, 454},
    StripCase{"update.bmp", 0, 0, 397, 5, 471, 29},
    StripCase{"help.bmp", 0, 0, 471, 5, 546, 29},
    StripCase{"add.bmp", 0, 0, 468, 36, 588, 67}));

}  // namespace
