// Pixels as the thumbnails keep them: 32-bit BGRA, rows top to bottom, each pixel a uint32_t
// 0xAARRGGBB (so the bytes in memory are blue, green, red, alpha). Only the window side turns an
// image into a bitmap.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace base {

inline constexpr uint32_t kOpaque = 0xFF000000u;
inline constexpr uint32_t kWhite = 0xFFFFFFFFu;
inline constexpr uint32_t kBlack = 0xFF000000u;
inline constexpr uint32_t kGreen = 0xFF00FF00u;

inline constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return kOpaque | (r << 16) | (g << 8) | b; }
inline constexpr uint32_t redOf(uint32_t c) { return (c >> 16) & 0xFF; }
inline constexpr uint32_t greenOf(uint32_t c) { return (c >> 8) & 0xFF; }
inline constexpr uint32_t blueOf(uint32_t c) { return c & 0xFF; }

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  Image() = default;
  Image(int w, int h, uint32_t fill) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}

  uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  uint32_t& at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  const uint32_t* row(int y) const { return pixels.data() + size_t(y) * size_t(width); }
  uint32_t* row(int y) { return pixels.data() + size_t(y) * size_t(width); }
};

}  // namespace base
