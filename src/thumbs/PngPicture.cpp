#include "thumbs/PngPicture.h"

#include <climits>
#include <cstdlib>

#include "thumbs/DibPicture.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_FAILURE_STRINGS
#define STBI_MAX_DIMENSIONS 4096
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include "stb_image.h"
#pragma GCC diagnostic pop

namespace thumbs {

namespace {

struct StbPixels {
  unsigned char* bytes;
  ~StbPixels() { stbi_image_free(bytes); }
};

uint32_t overWhite(const unsigned char* p) {
  uint32_t a = p[3], keep = 255 - a;
  auto mix = [&](uint32_t c) { return (c * a + 255 * keep + 127) / 255; };
  return base::rgb(mix(p[0]), mix(p[1]), mix(p[2]));
}

// Every chunk's declared length fits in the bytes that follow it. The decoder sizes its buffers
// from those lengths before it reads the data, so a few hundred bytes could otherwise ask for
// gigabytes.
bool chunksFit(const uint8_t* data, size_t size) {
  size_t at = 8;  // the signature
  while (at + 12 <= size) {
    const uint32_t length = uint32_t(data[at]) << 24 | uint32_t(data[at + 1]) << 16 | uint32_t(data[at + 2]) << 8 |
                            uint32_t(data[at + 3]);
    if (length > size - at - 12) return false;
    if (data[at + 4] == 'I' && data[at + 5] == 'E' && data[at + 6] == 'N' && data[at + 7] == 'D') return true;
    at += 12 + size_t(length);
  }
  return at == size;
}

}  // namespace

std::optional<base::Image> decodePng(const uint8_t* data, size_t size, std::string& failure) {
  if (size > size_t(INT_MAX)) {
    failure = "PNG picture too large";
    return std::nullopt;
  }
  if (!chunksFit(data, size)) {
    failure = "PNG chunk longer than the picture";
    return std::nullopt;
  }
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(data, int(size), &width, &height, &channels)) {
    failure = "PNG picture not readable";
    return std::nullopt;
  }
  if (width < 1 || width > kMaxPreviewSide || height < 1 || height > kMaxPreviewSide) {
    failure = "width or height outside 1..4096";
    return std::nullopt;
  }
  StbPixels pixels{stbi_load_from_memory(data, int(size), &width, &height, &channels, 4)};
  if (!pixels.bytes) {
    failure = "PNG picture not decodable";
    return std::nullopt;
  }
  base::Image image(width, height, base::kWhite);
  const unsigned char* in = pixels.bytes;
  for (uint32_t& out : image.pixels) {
    out = in[3] == 255 ? base::rgb(in[0], in[1], in[2]) : overWhite(in);
    in += 4;
  }
  return image;
}

}  // namespace thumbs
