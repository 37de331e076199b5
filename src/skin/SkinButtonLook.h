// How a skin button looks in each state: which frame of its five-frame strip it shows, or, for
// the text styles, the white ground and the caption's colour and alignment. The window side draws
// exactly this; the image painter draws the picture part for tests.
#pragma once
#include <cstdint>

#include "skin/SkinBox.h"

namespace skin {

// CSkinButton::setStyle values. Any other value draws like Picture.
inline constexpr int32_t kPictureStyle = 0;
inline constexpr int32_t kCaptionedPictureStyle = 1;
inline constexpr int32_t kLinkTextStyle = 4;
inline constexpr int32_t kTabTextStyle = 5;

// Frames of a skin strip, left to right. Frame 2 is never shown.
inline constexpr int kNormalFrame = 0;
inline constexpr int kPressedFrame = 1;
inline constexpr int kHoverFrame = 3;
inline constexpr int kDisabledFrame = 4;
inline constexpr int kSkinFrames = 5;

struct ButtonState {
  bool disabled = false;
  bool pressed = false;  // the selected state the system passes while the mouse is held down
  bool hover = false;
};

enum class CaptionAlign { Left, Centre };

struct ButtonLook {
  bool whiteGround = false;   // text styles fill the button white
  bool picture = false;       // picture styles copy one frame of the strip
  int frame = kNormalFrame;
  bool caption = false;       // the button's text is drawn
  uint32_t captionColour = 0;  // 0xAARRGGBB
  CaptionAlign align = CaptionAlign::Centre;
  int captionDrop = 0;        // the caption's box starts this many pixels lower
};

// Disabled wins over pressed, pressed over hover.
int frameFor(const ButtonState& state);

ButtonLook lookOf(int32_t style, const ButtonState& state);

// The owner sizes an image button to one frame of its strip.
inline int frameWidthOf(int stripWidth) { return stripWidth / kSkinFrames; }

// The part of the strip that holds the given frame for a button of width x height.
inline SkinBox frameSource(int frame, int width, int height) { return {frame * width, 0, width, height}; }

}  // namespace skin
