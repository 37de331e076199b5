// DWG byte images with preview areas, built from small pictures, for the thumbnail tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/Image.h"

namespace thumbs_testing {

struct PictureEntry {
  uint8_t type;
  std::string data;
};

// A file with a header, the preview offset at byte 13, the sentinel, the directory and the data.
std::string dwgFile(const std::vector<PictureEntry>& entries);
// The offset of the entry count inside dwgFile's output, and of the first picture's data.
inline constexpr size_t kAreaAt = 0x60;
inline constexpr size_t kCountAt = kAreaAt + 20;

// Header fields of a DIB, changed by tests that build faulty ones.
struct DibHeader {
  int32_t width;
  int32_t height;            // negative: rows stored top to bottom
  uint16_t bits = 8;
  uint32_t compression = 0;
  uint32_t coloursUsed = 0;
  uint32_t headerSize = 40;
};

// Pixels given as the picture shows them, top row first. 8-bit pictures use a 256-entry table
// holding the image's colours in order of first appearance.
std::string dib(const base::Image& picture, DibHeader header);
std::string dib(const base::Image& picture, uint16_t bits, bool topDown = false);
std::string png(const base::Image& picture);

// A picture whose pixel (x, y) has a colour made from x and y, so misplaced pixels show.
base::Image patterned(int width, int height);

void writeFile(const std::u16string& path, const std::string& bytes);

}  // namespace thumbs_testing
