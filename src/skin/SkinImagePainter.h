// The skin painted on a portable image: the same plan the windows follow, with a nearest-pixel
// stretch standing in for the platform's stretching copy. The pieces are uniform along the
// direction they are stretched in, so any scaling gives the same pixels. Text is left to the
// window side; this paints everything else.
#pragma once
#include <cstdint>

#include "skin/SkinBitmaps.h"
#include "skin/SkinBox.h"
#include "skin/SkinButtonLook.h"
#include "skin/SkinnedWindow.h"
#include "base/Image.h"

namespace skin {

// The skin bitmaps to paint from; a missing one draws nothing, as when it cannot be loaded.
struct SkinArt {
  const base::Image* frame = nullptr;
  const base::Image* titleLeft = nullptr;
  const base::Image* titleBody = nullptr;
  const base::Image* titleRight = nullptr;
  const base::Image* logo = nullptr;

  const base::Image* of(SkinBitmap bitmap) const;
};

// Copies the source box of a picture to the destination box of the canvas, stretching; pixels
// outside either picture are left alone.
void copyStretched(base::Image& canvas, const base::Image& source, const SkinBox& from,
                   const SkinBox& to);

void fillBox(base::Image& canvas, const SkinBox& box, uint32_t colour);

// Paint steps 1 to 6 of a skinned window whose client area is the canvas: white ground, the
// button band where the window has one, frame, title band and logo.
void paintSkin(base::Image& canvas, const SkinArt& art, SkinnedWindow window);

// A skin button the size of the canvas: the white ground of the text styles, or the frame of the
// strip for the state. A missing strip draws nothing.
void paintButton(base::Image& canvas, const base::Image* strip, int32_t style,
                 const ButtonState& state);

}  // namespace skin
