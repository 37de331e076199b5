// A rectangle given as left, top, width and height, the way the skin's pieces are measured.
#pragma once

namespace skin {

struct SkinBox {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const SkinBox&) const = default;
};

}  // namespace skin
