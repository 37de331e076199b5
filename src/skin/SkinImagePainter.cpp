#include "skin/SkinImagePainter.h"

#include <algorithm>

#include "skin/SkinColours.h"
#include "skin/SkinPaintPlan.h"

namespace skin {

const base::Image* SkinArt::of(SkinBitmap bitmap) const {
  switch (bitmap) {
    case SkinBitmap::Frame: return frame;
    case SkinBitmap::TitleLeft: return titleLeft;
    case SkinBitmap::TitleBody: return titleBody;
    case SkinBitmap::TitleRight: return titleRight;
    case SkinBitmap::Logo: return logo;
  }
  return nullptr;
}

void copyStretched(base::Image& canvas, const base::Image& source, const SkinBox& from,
                   const SkinBox& to) {
  if (from.empty() || to.empty()) return;
  const int top = std::max(to.y, 0), bottom = std::min(to.bottom(), canvas.height);
  const int left = std::max(to.x, 0), right = std::min(to.right(), canvas.width);
  for (int y = top; y < bottom; ++y) {
    const int sy = from.y + int(int64_t(y - to.y) * from.height / to.height);
    if (sy < 0 || sy >= source.height) continue;
    for (int x = left; x < right; ++x) {
      const int sx = from.x + int(int64_t(x - to.x) * from.width / to.width);
      if (sx < 0 || sx >= source.width) continue;
      canvas.at(x, y) = source.at(sx, sy);
    }
  }
}

void fillBox(base::Image& canvas, const SkinBox& box, uint32_t colour) {
  const int top = std::max(box.y, 0), bottom = std::min(box.bottom(), canvas.height);
  const int left = std::max(box.x, 0), right = std::min(box.right(), canvas.width);
  for (int y = top; y < bottom; ++y) std::fill(canvas.row(y) + left, canvas.row(y) + right, colour);
}

void paintSkin(base::Image& canvas, const SkinArt& art, SkinnedWindow window) {
  const int w = canvas.width, h = canvas.height;
  fillBox(canvas, {0, 0, w, h}, kClientBackground);
  if (hasButtonBand(window)) fillBox(canvas, buttonBand(w, h), kButtonBand);
  for (const SkinCopy& piece : skinPieces(w, h)) {
    if (const base::Image* source = art.of(piece.source)) copyStretched(canvas, *source, piece.from, piece.to);
  }
  if (art.logo) {
    const SkinCopy logo = logoPiece(art.logo->width, art.logo->height);
    copyStretched(canvas, *art.logo, logo.from, logo.to);
  }
}

void paintButton(base::Image& canvas, const base::Image* strip, int32_t style,
                 const ButtonState& state) {
  const ButtonLook look = lookOf(style, state);
  const SkinBox whole{0, 0, canvas.width, canvas.height};
  if (look.whiteGround) {
    fillBox(canvas, whole, kClientBackground);
    return;
  }
  if (strip) copyStretched(canvas, *strip, frameSource(look.frame, canvas.width, canvas.height), whole);
}

}  // namespace skin
