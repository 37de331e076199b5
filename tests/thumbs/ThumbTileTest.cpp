#include "thumbs/ThumbTile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "thumbs/Placeholder.h"
#include "thumbs/PreviewGround.h"

using namespace base;
using namespace thumbs;

namespace {

bool inside(Area a, int x, int y) { return x >= a.left && x < a.left + a.width && y >= a.top && y < a.top + a.height; }

bool isFrame(int x, int y) { return x == 0 || y == 0 || x == kTileWidth - 1 || y == kTileHeight - 1; }

// Frame green, band black, everything else outside the picture area white.
void expectSurroundings(const Image& tile) {
  for (int y = 0; y < kTileHeight; ++y) {
    for (int x = 0; x < kTileWidth; ++x) {
      if (inside(kPictureArea, x, y)) continue;
      uint32_t want = isFrame(x, y) ? kGreen : inside(kPictureBand, x, y) ? kBlack : kWhite;
      ASSERT_EQ(tile.at(x, y), want) << x << "," << y;
    }
  }
}

uint32_t picture(const Image& tile, int x, int y) { return tile.at(kPictureArea.left + x, kPictureArea.top + y); }

// The rows and columns of the picture area that are ink all along, and the ink pixels elsewhere;
// every pixel must be ink or white.
struct InkLines {
  std::vector<int> rows, columns;
  int otherPixels = 0;
};

InkLines inkLines(const Image& tile, uint32_t ink) {
  InkLines lines;
  for (int y = 0; y < 45; ++y) {
    bool all = true;
    for (int x = 0; x < 106; ++x) all = all && picture(tile, x, y) == ink;
    if (all) lines.rows.push_back(y);
  }
  for (int x = 0; x < 106; ++x) {
    bool all = true;
    for (int y = 0; y < 45; ++y) all = all && picture(tile, x, y) == ink;
    if (all) lines.columns.push_back(x);
  }
  for (int y = 0; y < 45; ++y) {
    for (int x = 0; x < 106; ++x) {
      bool onLine = std::count(lines.rows.begin(), lines.rows.end(), y) || std::count(lines.columns.begin(), lines.columns.end(), x);
      uint32_t p = picture(tile, x, y);
      if (!onLine && p != kWhite) ++lines.otherPixels;
    }
  }
  return lines;
}

}  // namespace

TEST(ThumbTileLayout, WithoutPreviewAWhiteTileInAGreenFrameWithoutBand) {
  Image tile = MakeThumbTile(nullptr);
  ASSERT_EQ(tile.width, 116);
  ASSERT_EQ(tile.height, 55);
  for (int y = 0; y < kTileHeight; ++y) {
    for (int x = 0; x < kTileWidth; ++x) ASSERT_EQ(tile.at(x, y), isFrame(x, y) ? kGreen : kWhite) << x << "," << y;
  }
}

TEST(ThumbTileLayout, A180By120PreviewFillsExactlyThePictureArea) {
  Image preview(180, 120, kBlack);
  uint32_t red = rgb(255, 0, 0);
  for (int x = 0; x < 180; ++x) preview.at(x, 0) = preview.at(x, 119) = red;
  for (int y = 0; y < 120; ++y) preview.at(0, y) = preview.at(179, y) = red;
  Image tile = MakeThumbTile(&preview);
  expectSurroundings(tile);
  uint32_t cyan = rgb(0, 255, 255);  // red, inverted
  for (int x = 0; x < 106; ++x) {
    EXPECT_EQ(picture(tile, x, 0), cyan) << x;
    EXPECT_EQ(picture(tile, x, 44), cyan) << x;
  }
  for (int y = 0; y < 45; ++y) {
    EXPECT_EQ(picture(tile, 0, y), cyan) << y;
    EXPECT_EQ(picture(tile, 105, y), cyan) << y;
  }
  EXPECT_EQ(picture(tile, 50, 20), kWhite);
}

TEST(ThumbTileLayout, ASmallPreviewIsEnlargedToTheWholeArea) {
  Image preview(10, 5, kBlack);
  preview.at(9, 4) = kWhite;
  Image tile = MakeThumbTile(&preview);
  expectSurroundings(tile);
  EXPECT_EQ(picture(tile, 0, 0), kWhite);
  EXPECT_EQ(picture(tile, 105, 44), kBlack);  // the white corner pixel, inverted
  EXPECT_EQ(picture(tile, 90, 35), kWhite);
}

TEST(ThumbTileGround, EveryPixelOfADarkGroundPreviewIsInverted) {
  Image preview(106, 45, rgb(10, 20, 30));
  for (int y = 0; y < 45; y += 3) {
    for (int x = 0; x < 106; x += 2) preview.at(x, y) = rgb(uint32_t(x * 2), uint32_t(y * 5), 200);
  }
  Image tile = MakeThumbTile(&preview);
  expectSurroundings(tile);
  for (int y = 0; y < 45; ++y) {
    for (int x = 0; x < 106; ++x) {
      uint32_t p = preview.at(x, y);
      ASSERT_EQ(picture(tile, x, y), rgb(255 - redOf(p), 255 - greenOf(p), 255 - blueOf(p))) << x << "," << y;
    }
  }
}

// A 704 x 448 preview shrinks about 6.6 times across and 10 times down: each line must leave
// exactly one full row or column of ink, near where it was.
TEST(ThumbTileGround, OnePixelWhiteLinesOnBlackSurviveTheShrink) {
  Image preview(704, 448, kBlack);
  for (int x = 0; x < 704; ++x) preview.at(x, 301) = kWhite;
  for (int y = 0; y < 448; ++y) preview.at(517, y) = kWhite;
  Image tile = MakeThumbTile(&preview);
  InkLines lines = inkLines(tile, kBlack);
  ASSERT_EQ(lines.rows.size(), 1u);
  ASSERT_EQ(lines.columns.size(), 1u);
  EXPECT_NEAR(lines.rows[0], 301 * 45 / 448, 1);
  EXPECT_NEAR(lines.columns[0], 517 * 106 / 704, 1);
  EXPECT_EQ(lines.otherPixels, 0);
}

TEST(ThumbTileGround, OnePixelBlackLinesOnWhiteSurviveAndAreNotInverted) {
  Image preview(704, 448, kWhite);
  for (int x = 0; x < 704; ++x) preview.at(x, 13) = kBlack;
  for (int y = 0; y < 448; ++y) preview.at(650, y) = kBlack;
  Image tile = MakeThumbTile(&preview);
  InkLines lines = inkLines(tile, kBlack);
  ASSERT_EQ(lines.rows.size(), 1u);
  ASSERT_EQ(lines.columns.size(), 1u);
  EXPECT_NEAR(lines.rows[0], 13 * 45 / 448, 1);
  EXPECT_NEAR(lines.columns[0], 650 * 106 / 704, 1);
  EXPECT_EQ(lines.otherPixels, 0);
  EXPECT_EQ(picture(tile, 0, 44), kWhite);
}

TEST(ThumbTileGround, TheMostFrequentColourDecidesNotTheCorner) {
  Image preview(40, 20, rgb(250, 250, 245));
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      if ((x + y) % 5 == 0) preview.at(x, y) = rgb(uint32_t(x * 6), uint32_t(y * 12), 7);
    }
  }
  preview.at(0, 0) = kBlack;
  EXPECT_EQ(mostFrequentColour(preview), rgb(250, 250, 245));
  EXPECT_FALSE(isDarkColour(rgb(250, 250, 245)));
  EXPECT_TRUE(isDarkColour(rgb(0, 0, 255)));
  EXPECT_TRUE(isDarkColour(rgb(127, 127, 127)));
  EXPECT_FALSE(isDarkColour(rgb(128, 128, 128)));
  Image tile = MakeThumbTile(&preview);
  EXPECT_EQ(picture(tile, 50, 22), rgb(250, 250, 245));  // a light ground stays light
}

TEST(ThumbTilePlaceholder, PaleGroundWithDarkWordsThatSurviveTheTile) {
  const Image& placeholder = placeholderPicture();
  ASSERT_EQ(placeholder.width, 160);
  ASSERT_EQ(placeholder.height, 68);
  EXPECT_FALSE(isDarkColour(mostFrequentColour(placeholder)));
  Image tile = MakeThumbTile(&placeholder);
  expectSurroundings(tile);
  int inked = 0;
  for (int y = 0; y < 45; ++y) {
    for (int x = 0; x < 106; ++x) inked += isDarkColour(picture(tile, x, y)) ? 1 : 0;
  }
  EXPECT_GT(inked, 100);
  EXPECT_LT(inked, 106 * 45 / 2);
}

// At 150 % the tile is 174 x 83 with a 2-pixel frame, and a preview fills the scaled picture area
// (5, 5)-(111, 50) x 1.5 = (8, 8)-(167, 75) inside the band (3, 3)-(113, 52) x 1.5.
TEST(ThumbTileLayout, AtOneHundredFiftyPercentEveryLengthIsScaled) {
  Image preview(180, 120, kWhite);
  Image tile = MakeThumbTile(&preview, 144);
  ASSERT_EQ(tile.width, 174);
  ASSERT_EQ(tile.height, 83);
  const TileSize size = tileSizeAt(144);
  EXPECT_EQ(size.width, 174);
  EXPECT_EQ(size.height, 83);
  for (int y = 0; y < 83; ++y) {
    for (int x = 0; x < 174; ++x) {
      const bool frame = x < 2 || y < 2 || x >= 172 || y >= 81;
      const bool area = x >= 8 && x < 167 && y >= 8 && y < 75;
      const bool band = x >= 5 && x < 170 && y >= 5 && y < 78;
      ASSERT_EQ(tile.at(x, y), frame ? kGreen : area ? kWhite : band ? kBlack : kWhite) << x << "," << y;
    }
  }
}
