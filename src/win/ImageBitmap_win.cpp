#include "win/ImageBitmap.h"

#include <cstring>

namespace win {

namespace {

BITMAPINFO topDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: rows top to bottom, as the image keeps them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

Bitmap bitmapFromImage(const base::Image& image) {
  if (image.width <= 0 || image.height <= 0 || image.pixels.size() != size_t(image.width) * size_t(image.height))
    return Bitmap();
  BITMAPINFO info = topDownInfo(image.width, image.height);
  void* bits = nullptr;
  HBITMAP made = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!made || !bits) return Bitmap(made);
  std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(uint32_t));
  GdiFlush();
  return Bitmap(made);
}

base::Image imageFromBitmap(HBITMAP bitmap) {
  BITMAP shape{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(shape), &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0)
    return base::Image();
  base::Image image(shape.bmWidth, shape.bmHeight, 0);
  BITMAPINFO info = topDownInfo(image.width, image.height);
  MemoryDC dc;
  if (!GetDIBits(dc, bitmap, 0, UINT(image.height), image.pixels.data(), &info, DIB_RGB_COLORS))
    return base::Image();
  return image;
}

}  // namespace win
