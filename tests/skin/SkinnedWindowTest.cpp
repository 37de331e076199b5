#include <gtest/gtest.h>

#include "skin/SkinBitmaps.h"
#include "skin/SkinnedWindow.h"

using skin::SkinnedWindow;

namespace {

TEST(SkinDrag, TheTop32RowsMoveTheWindow) {
  EXPECT_TRUE(skin::startsWindowMove(0));
  EXPECT_TRUE(skin::startsWindowMove(31));
  EXPECT_FALSE(skin::startsWindowMove(32));
  EXPECT_FALSE(skin::startsWindowMove(200));
}

TEST(SkinTitle, EachWindowHasItsTitleAndBox) {
  skin::SkinTitle gallery = skin::titleOf(SkinnedWindow::Gallery);
  EXPECT_EQ(gallery.text, u"墨匣");
  EXPECT_EQ(gallery.box, (skin::SkinBox{32, 7, 148, 18}));
  EXPECT_EQ(skin::titleOf(SkinnedWindow::SpecialtySelection).text, u"墨匣");
  EXPECT_EQ(skin::titleOf(SkinnedWindow::SpecialtySelection).box.right(), 180);
  EXPECT_EQ(skin::titleOf(SkinnedWindow::UpdateProgress).text, u"墨匣更新");
}

TEST(SkinTitle, UpdateAndPromptTitlesAreCutAtX120) {
  for (SkinnedWindow window : {SkinnedWindow::UpdateProgress, SkinnedWindow::EmptyLibraryPrompt}) {
    skin::SkinBox box = skin::titleOf(window).box;
    EXPECT_EQ(box.x, 32);
    EXPECT_EQ(box.right(), 120);
    EXPECT_EQ(box.y, 7);
    EXPECT_EQ(box.bottom(), 25);
  }
}

TEST(SkinTitle, OnlyTheMainWindowGoesWithoutAButtonBand) {
  EXPECT_FALSE(skin::hasButtonBand(SkinnedWindow::Gallery));
  EXPECT_TRUE(skin::hasButtonBand(SkinnedWindow::SpecialtySelection));
  EXPECT_TRUE(skin::hasButtonBand(SkinnedWindow::UpdateProgress));
  EXPECT_TRUE(skin::hasButtonBand(SkinnedWindow::EmptyLibraryPrompt));
}

}  // namespace
