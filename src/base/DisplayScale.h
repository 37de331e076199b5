// Lengths are measured at 96 dots per inch (the 100 % setting) and drawn at the window's own
// setting: 120 dpi is 125 %, 144 dpi 150 %, 192 dpi 200 %.
#pragma once

namespace base {

inline constexpr int kBaseDpi = 96;

// A length at dpi, rounded to the nearest pixel with halves away from zero (29 at 144 is 44).
constexpr int scaled(int length, int dpi) {
  const long long product = (long long)length * dpi;
  return int(product >= 0 ? (product + kBaseDpi / 2) / kBaseDpi : -((-product + kBaseDpi / 2) / kBaseDpi));
}

// A rectangle, right and bottom exclusive.
struct PixelBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool overlaps(const PixelBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool operator==(const PixelBox&) const = default;
};

// Each edge on its own: boxes that touch at 96 dpi touch at any setting and never overlap.
constexpr PixelBox scaled(const PixelBox& box, int dpi) {
  return {scaled(box.left, dpi), scaled(box.top, dpi), scaled(box.right, dpi), scaled(box.bottom, dpi)};
}

// The skin pictures come drawn at 100, 150 and 200 %. The one to draw at dpi is the smallest not
// below it, shrunk to fit (shrinking keeps edges sharp where growing blurs them); past 200 % the
// largest, grown.
constexpr int artPercentFor(int dpi) {
  if (dpi <= kBaseDpi) return 100;
  if (dpi <= kBaseDpi * 3 / 2) return 150;
  return 200;
}

}  // namespace base
