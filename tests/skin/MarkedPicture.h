// Test pictures whose every pixel names the picture and the place it came from, so a painted
// canvas tells which source pixel landed where.
#pragma once
#include <cstdint>

#include "base/Image.h"

namespace skin_test {

struct Mark {
  int picture;
  int x;
  int y;
  bool operator==(const Mark&) const = default;
};

inline uint32_t marked(int picture, int x, int y) {
  return 0xFF000000u | (uint32_t(picture) << 18) | (uint32_t(y) << 11) | uint32_t(x);
}

inline Mark markOf(uint32_t pixel) {
  return {int((pixel >> 18) & 0x3F), int(pixel & 0x7FF), int((pixel >> 11) & 0x7F)};
}

// A picture of the given size; picture numbers start at 1 so no mark equals white or black.
inline base::Image markedPicture(int picture, int width, int height) {
  base::Image image(width, height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.at(x, y) = marked(picture, x, y);
  return image;
}

}  // namespace skin_test
