#include <gtest/gtest.h>

#include "MarkedPicture.h"
#include "skin/SkinButtonLook.h"
#include "skin/SkinColours.h"
#include "skin/SkinImagePainter.h"

using skin::ButtonState;
using skin::CaptionAlign;
using skin::lookOf;
using skin_test::Mark;
using skin_test::markOf;

namespace {

constexpr ButtonState kNormal{};
constexpr ButtonState kHover{false, false, true};
constexpr ButtonState kPressed{false, true, true};  // held down, so also under the mouse
constexpr ButtonState kDisabled{true, false, false};

TEST(SkinButtonFrame, StateChoosesTheFrame) {
  EXPECT_EQ(skin::frameFor(kNormal), 0);
  EXPECT_EQ(skin::frameFor(kPressed), 1);
  EXPECT_EQ(skin::frameFor(ButtonState{false, true, false}), 1);
  EXPECT_EQ(skin::frameFor(kHover), 3);
  EXPECT_EQ(skin::frameFor(kDisabled), 4);
}

TEST(SkinButtonFrame, ADisabledPictureButtonAlwaysShowsFrameFour) {
  for (bool pressed : {false, true})
    for (bool hover : {false, true}) {
      EXPECT_EQ(lookOf(0, ButtonState{true, pressed, hover}).frame, 4);
      EXPECT_EQ(lookOf(1, ButtonState{true, pressed, hover}).frame, 4);
    }
}

TEST(SkinButtonStyle, PictureStylesDrawTheStripAndOnlyStyleOneItsCaption) {
  skin::ButtonLook plain = lookOf(0, kHover);
  EXPECT_TRUE(plain.picture);
  EXPECT_FALSE(plain.caption);
  EXPECT_FALSE(plain.whiteGround);

  skin::ButtonLook captioned = lookOf(1, kNormal);
  EXPECT_TRUE(captioned.picture);
  EXPECT_TRUE(captioned.caption);
  EXPECT_EQ(captioned.captionColour, base::rgb(21, 21, 21));
  EXPECT_EQ(captioned.align, CaptionAlign::Centre);
  EXPECT_EQ(captioned.captionDrop, 1);  // one pixel below the vertical centre

  for (int32_t other : {2, 3, 6, -1, 100}) {
    skin::ButtonLook look = lookOf(other, kPressed);
    EXPECT_TRUE(look.picture) << other;
    EXPECT_FALSE(look.caption) << other;
    EXPECT_EQ(look.frame, 1) << other;
  }
}

TEST(SkinButtonStyle, LinkTextIsLeftAlignedAndChangesColourWithHoverAndPress) {
  EXPECT_EQ(lookOf(4, kNormal).captionColour, base::rgb(51, 150, 245));
  EXPECT_EQ(lookOf(4, kHover).captionColour, base::rgb(0, 0, 245));
  EXPECT_EQ(lookOf(4, kPressed).captionColour, base::rgb(100, 200, 245));
  skin::ButtonLook look = lookOf(4, kNormal);
  EXPECT_EQ(look.align, CaptionAlign::Left);
  EXPECT_TRUE(look.whiteGround);
  EXPECT_FALSE(look.picture);
  EXPECT_EQ(look.captionDrop, 0);
}

TEST(SkinButtonStyle, TabTextIsCentred) {
  EXPECT_EQ(lookOf(5, kNormal).captionColour, base::rgb(25, 25, 25));
  EXPECT_EQ(lookOf(5, kHover).captionColour, base::rgb(0, 0, 245));
  EXPECT_EQ(lookOf(5, kPressed).captionColour, base::rgb(100, 200, 245));
  EXPECT_EQ(lookOf(5, kNormal).align, CaptionAlign::Centre);
}

TEST(SkinButtonStyle, DisabledTextButtonsLookEnabled) {
  for (int32_t style : {4, 5}) {
    for (ButtonState state : {kNormal, kHover, kPressed}) {
      ButtonState disabled = state;
      disabled.disabled = true;
      skin::ButtonLook a = lookOf(style, state), b = lookOf(style, disabled);
      EXPECT_EQ(a.captionColour, b.captionColour) << style;
      EXPECT_EQ(a.whiteGround, b.whiteGround) << style;
      EXPECT_EQ(a.align, b.align) << style;
    }
  }
}

TEST(SkinButtonPaint, AStrip205WideGivesA41WideButtonWithHoverFromX123) {
  base::Image strip = skin_test::markedPicture(1, 205, 16);
  const int width = skin::frameWidthOf(strip.width);
  ASSERT_EQ(width, 41);
  base::Image button(width, strip.height, base::kBlack);

  skin::paintButton(button, &strip, 0, kHover);
  EXPECT_EQ(markOf(button.at(0, 0)), (Mark{1, 123, 0}));
  EXPECT_EQ(markOf(button.at(40, 15)), (Mark{1, 163, 15}));

  skin::paintButton(button, &strip, 0, kDisabled);
  EXPECT_EQ(markOf(button.at(0, 0)), (Mark{1, 164, 0}));
  skin::paintButton(button, &strip, 1, kPressed);
  EXPECT_EQ(markOf(button.at(0, 0)), (Mark{1, 41, 0}));
}

TEST(SkinButtonPaint, TextStylesPaintWhiteAndAMissingStripNothing) {
  base::Image strip = skin_test::markedPicture(1, 205, 16);
  base::Image button(41, 16, base::kBlack);
  skin::paintButton(button, &strip, 5, kPressed);
  EXPECT_EQ(button.at(0, 0), skin::kClientBackground);
  EXPECT_EQ(button.at(40, 15), skin::kClientBackground);

  base::Image bare(41, 16, base::kBlack);
  skin::paintButton(bare, nullptr, 1, kNormal);
  EXPECT_EQ(bare.at(20, 8), base::kBlack);
}

TEST(SkinButtonSize, ImageButtonsAreOneFrameWide) {
  EXPECT_EQ(skin::frameWidthOf(200), 40);
  EXPECT_EQ(skin::frameWidthOf(204), 40);
  EXPECT_EQ(skin::frameWidthOf(0), 0);
  EXPECT_EQ(skin::frameSource(3, 41, 16), (skin::SkinBox{123, 0, 41, 16}));
}

}  // namespace
