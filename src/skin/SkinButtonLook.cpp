#include "skin/SkinButtonLook.h"

#include "base/Image.h"

namespace skin {
namespace {

constexpr uint32_t kLinkColour = base::rgb(51, 150, 245);
constexpr uint32_t kTabColour = base::rgb(25, 25, 25);
constexpr uint32_t kHoverColour = base::rgb(0, 0, 245);
constexpr uint32_t kPressedColour = base::rgb(100, 200, 245);
constexpr uint32_t kCaptionOnPicture = base::rgb(21, 21, 21);

// The text styles ignore the disabled state: only the pictures change with it.
ButtonLook textLook(uint32_t normal, CaptionAlign align, const ButtonState& state) {
  ButtonLook look;
  look.whiteGround = true;
  look.caption = true;
  look.align = align;
  look.captionColour = state.pressed ? kPressedColour : state.hover ? kHoverColour : normal;
  return look;
}

}  // namespace

int frameFor(const ButtonState& state) {
  if (state.disabled) return kDisabledFrame;
  if (state.pressed) return kPressedFrame;
  if (state.hover) return kHoverFrame;
  return kNormalFrame;
}

ButtonLook lookOf(int32_t style, const ButtonState& state) {
  if (style == kLinkTextStyle) return textLook(kLinkColour, CaptionAlign::Left, state);
  if (style == kTabTextStyle) return textLook(kTabColour, CaptionAlign::Centre, state);
  ButtonLook look;
  look.picture = true;
  look.frame = frameFor(state);
  if (style == kCaptionedPictureStyle) {
    look.caption = true;
    look.captionColour = kCaptionOnPicture;
    look.align = CaptionAlign::Centre;
    look.captionDrop = 1;
  }
  return look;
}

}  // namespace skin
