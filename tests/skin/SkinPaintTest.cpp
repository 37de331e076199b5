#include <gtest/gtest.h>

#include "MarkedPicture.h"
#include "skin/SkinColours.h"
#include "skin/SkinImagePainter.h"
#include "skin/SkinPaintPlan.h"

using skin::SkinnedWindow;
using skin_test::Mark;
using skin_test::markOf;
using skin_test::markedPicture;

namespace {

enum Picture { FramePic = 1, LeftPic, BodyPic, RightPic, LogoPic };

class SkinPaint : public ::testing::Test {
protected:
  base::Image frame = markedPicture(FramePic, 650, 64);
  base::Image left = markedPicture(LeftPic, 18, 100);
  base::Image body = markedPicture(BodyPic, 1806, 110);
  base::Image right = markedPicture(RightPic, 18, 100);
  base::Image logo = markedPicture(LogoPic, 90, 18);
  skin::SkinArt art{&frame, &left, &body, &right, &logo};

  base::Image paint(int w, int h, SkinnedWindow window) {
    base::Image canvas(w, h, base::kBlack);
    skin::paintSkin(canvas, art, window);
    return canvas;
  }
};

// 347 x 183 is the empty-library prompt's size.
TEST_F(SkinPaint, FrameCornersAndEdgesComeFromTheBorderOfBitmap147) {
  const int w = 347, h = 183;
  base::Image canvas = paint(w, h, SkinnedWindow::EmptyLibraryPrompt);

  // Below the band only row 29 of the top pieces remains visible.
  EXPECT_EQ(markOf(canvas.at(0, 29)), (Mark{FramePic, 0, 29}));
  EXPECT_EQ(markOf(canvas.at(1, 29)), (Mark{FramePic, 1, 29}));
  EXPECT_EQ(markOf(canvas.at(w - 2, 29)), (Mark{FramePic, 648, 29}));
  EXPECT_EQ(markOf(canvas.at(w - 1, 29)), (Mark{FramePic, 649, 29}));

  // Left edge: the column pair 0-1 of rows 2 to 61, stretched over rows 30 to h - 3.
  for (int y = 30; y < h - 2; ++y) {
    Mark outer = markOf(canvas.at(0, y)), inner = markOf(canvas.at(1, y));
    ASSERT_EQ(outer.picture, FramePic) << y;
    EXPECT_EQ(outer.x, 0);
    EXPECT_EQ(inner.x, 1);
    EXPECT_GE(outer.y, 2);
    EXPECT_LE(outer.y, 61);
  }
  EXPECT_EQ(markOf(canvas.at(0, 30)).y, 2);
  EXPECT_EQ(markOf(canvas.at(0, h - 3)).y, 61);

  // Right edge: the same source pair from x = w - 1, so only its outer column shows.
  EXPECT_EQ(markOf(canvas.at(w - 1, 30)), (Mark{FramePic, 0, 2}));
  EXPECT_EQ(markOf(canvas.at(w - 1, h - 3)), (Mark{FramePic, 0, 61}));
  EXPECT_EQ(canvas.at(w - 2, 100), skin::kClientBackground);

  // Bottom: corners 1:1, edge stretched from the row pair 62-63.
  EXPECT_EQ(markOf(canvas.at(0, h - 2)), (Mark{FramePic, 0, 62}));
  EXPECT_EQ(markOf(canvas.at(1, h - 1)), (Mark{FramePic, 1, 63}));
  EXPECT_EQ(markOf(canvas.at(2, h - 2)), (Mark{FramePic, 2, 62}));
  EXPECT_EQ(markOf(canvas.at(w - 3, h - 1)).y, 63);
  EXPECT_LE(markOf(canvas.at(w - 3, h - 1)).x, 647);
  EXPECT_EQ(markOf(canvas.at(w - 2, h - 2)), (Mark{FramePic, 648, 62}));
  EXPECT_EQ(markOf(canvas.at(w - 1, h - 1)), (Mark{FramePic, 649, 63}));
}

TEST_F(SkinPaint, TitleBandCoversTheTop29RowsFromItsThreePieces) {
  const int w = 347, h = 183;
  base::Image canvas = paint(w, h, SkinnedWindow::UpdateProgress);

  EXPECT_EQ(markOf(canvas.at(0, 0)), (Mark{LeftPic, 0, 0}));
  EXPECT_EQ(markOf(canvas.at(17, 28)), (Mark{LeftPic, 17, 28}));
  EXPECT_EQ(markOf(canvas.at(18, 0)), (Mark{BodyPic, 0, 0}));
  EXPECT_EQ(markOf(canvas.at(200, 5)), (Mark{BodyPic, 182, 5}));
  EXPECT_EQ(markOf(canvas.at(w - 3, 28)), (Mark{BodyPic, w - 21, 28}));
  EXPECT_EQ(markOf(canvas.at(w - 2, 0)), (Mark{RightPic, 16, 0}));
  EXPECT_EQ(markOf(canvas.at(w - 1, 28)), (Mark{RightPic, 17, 28}));

  // The frame has no top edge piece: row 29 between the corners is the white ground.
  EXPECT_EQ(canvas.at(2, 29), skin::kClientBackground);
  EXPECT_EQ(canvas.at(w - 3, 29), skin::kClientBackground);
}

TEST_F(SkinPaint, TitleBodyServesWindowsUpTo1826PixelsWide) {
  base::Image canvas = paint(1826, 100, SkinnedWindow::Gallery);
  EXPECT_EQ(markOf(canvas.at(1823, 10)), (Mark{BodyPic, 1805, 10}));
  EXPECT_EQ(markOf(canvas.at(1824, 10)), (Mark{RightPic, 16, 10}));
}

TEST_F(SkinPaint, LogoShowsFrameZeroAtSevenSevenOneToOne) {
  base::Image canvas = paint(590, 454, SkinnedWindow::Gallery);
  EXPECT_EQ(markOf(canvas.at(7, 7)), (Mark{LogoPic, 0, 0}));
  EXPECT_EQ(markOf(canvas.at(24, 24)), (Mark{LogoPic, 17, 17}));
  EXPECT_EQ(markOf(canvas.at(25, 7)).picture, BodyPic);
  EXPECT_EQ(markOf(canvas.at(7, 25)).picture, LeftPic);
  EXPECT_EQ(markOf(canvas.at(6, 7)).picture, LeftPic);
}

TEST_F(SkinPaint, DialogsFillTheButtonBandAndTheMainWindowDoesNot) {
  const int w = 480, h = 353;
  base::Image dialog = paint(w, h, SkinnedWindow::SpecialtySelection);
  EXPECT_EQ(dialog.at(2, h - 44), skin::kButtonBand);
  EXPECT_EQ(dialog.at(w - 3, h - 3), skin::kButtonBand);
  EXPECT_EQ(dialog.at(2, h - 45), skin::kClientBackground);
  EXPECT_EQ(dialog.at(w - 2, h - 10), skin::kClientBackground);
  EXPECT_EQ(markOf(dialog.at(2, h - 2)).picture, FramePic);

  base::Image gallery = paint(w, h, SkinnedWindow::Gallery);
  EXPECT_EQ(gallery.at(2, h - 44), skin::kClientBackground);
  EXPECT_EQ(gallery.at(w / 2, h / 2), skin::kClientBackground);
}

TEST_F(SkinPaint, AMissingBitmapDrawsNothingAndThePaintGoesOn) {
  art.frame = nullptr;
  art.logo = nullptr;
  base::Image canvas = paint(200, 120, SkinnedWindow::Gallery);
  EXPECT_EQ(canvas.at(0, 60), skin::kClientBackground);
  EXPECT_EQ(canvas.at(199, 119), skin::kClientBackground);
  EXPECT_EQ(markOf(canvas.at(7, 7)), (Mark{LeftPic, 7, 7}));
  EXPECT_EQ(markOf(canvas.at(30, 7)).picture, BodyPic);
}

TEST(SkinPlan, PiecesAreTheTabledRectangles) {
  auto frame = skin::framePieces(590, 454);
  ASSERT_EQ(frame.size(), 7u);
  EXPECT_EQ(frame[2].to, (skin::SkinBox{0, 30, 2, 422}));
  EXPECT_EQ(frame[3].to, (skin::SkinBox{589, 30, 2, 422}));
  EXPECT_EQ(frame[3].from, (skin::SkinBox{0, 2, 2, 60}));
  EXPECT_EQ(frame[5].from, (skin::SkinBox{2, 62, 646, 2}));
  EXPECT_EQ(frame[5].to, (skin::SkinBox{2, 452, 586, 2}));

  auto band = skin::titleBandPieces(590);
  ASSERT_EQ(band.size(), 3u);
  EXPECT_EQ(band[1].from, (skin::SkinBox{0, 0, 570, 29}));
  EXPECT_EQ(band[1].to, (skin::SkinBox{18, 0, 570, 29}));

  EXPECT_EQ(skin::buttonBand(347, 183), (skin::SkinBox{2, 139, 343, 42}));
  EXPECT_EQ(skin::logoPiece(90, 18).from, (skin::SkinBox{0, 0, 18, 18}));
}

// At 150 % the same sources stretch over scaled destinations that keep to the window's edges:
// the right edge's dark column is the last of the 885 x 681 window, the band 44 rows high, and the
// button band of a 521 x 275 prompt ends 3 pixels above its bottom.
TEST(SkinPlan, AtOneHundredFiftyPercentThePiecesKeepToTheEdges) {
  auto pieces = skin::skinPieces(885, 681, 144);
  ASSERT_EQ(pieces.size(), 10u);
  EXPECT_EQ(pieces[3].from, (skin::SkinBox{0, 2, 2, 60}));
  EXPECT_EQ(pieces[3].to, (skin::SkinBox{884, 45, 3, 633}));
  EXPECT_EQ(pieces[5].to, (skin::SkinBox{3, 678, 879, 3}));
  EXPECT_EQ(pieces[8].to, (skin::SkinBox{27, 0, 855, 44}));
  EXPECT_EQ(pieces[8].from, (skin::SkinBox{0, 0, 570, 29}));
  EXPECT_EQ(skin::skinPieces(590, 454, 96), skin::skinPieces(590, 454));
  EXPECT_EQ(skin::buttonBand(521, 275, 144), (skin::SkinBox{3, 209, 515, 63}));
}

TEST(SkinStretch, StretchingAndClippingKeepInsideBothPictures) {
  base::Image source = markedPicture(1, 4, 2);
  base::Image canvas(6, 3, base::kWhite);
  skin::copyStretched(canvas, source, {1, 0, 2, 2}, {2, -1, 8, 4});  // doubled, off two edges
  EXPECT_EQ(canvas.at(1, 0), base::kWhite);
  EXPECT_EQ(markOf(canvas.at(2, 0)), (Mark{1, 1, 0}));  // destination row -1 fell off the top
  EXPECT_EQ(markOf(canvas.at(5, 0)), (Mark{1, 1, 0}));
  EXPECT_EQ(markOf(canvas.at(2, 1)), (Mark{1, 1, 1}));
  EXPECT_EQ(markOf(canvas.at(5, 2)), (Mark{1, 1, 1}));

  base::Image small(3, 3, base::kWhite);
  skin::copyStretched(small, source, {2, 0, 5, 2}, {0, 0, 3, 2});  // source box runs off the right
  EXPECT_EQ(markOf(small.at(0, 0)), (Mark{1, 2, 0}));
  EXPECT_EQ(small.at(2, 0), base::kWhite);
  EXPECT_EQ(small.at(0, 2), base::kWhite);
}

}  // namespace
