#include "thumbs/DibPicture.h"

#include <array>

#include "thumbs/Bytes.h"

namespace thumbs {

namespace {

constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kUncompressed = 0;

struct DibLayout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bits = 0;
  size_t tableAt = 0;
  size_t rowsAt = 0;
  size_t rowBytes = 0;
};

bool refuse(std::string& failure, std::string why) {
  failure = std::move(why);
  return false;
}

bool readLayout(const uint8_t* data, size_t size, DibLayout& dib, std::string& failure) {
  if (size < kInfoHeaderSize) return refuse(failure, "picture shorter than its header");
  uint32_t headerSize = le32(data);
  if (headerSize < kInfoHeaderSize || headerSize > size) return refuse(failure, "header size does not fit the picture");
  int32_t width = les32(data + 4);
  int32_t height = les32(data + 8);
  if (width < 1 || width > kMaxPreviewSide || height == 0 || height < -kMaxPreviewSide || height > kMaxPreviewSide)
    return refuse(failure, "width or height outside 1..4096");
  uint32_t compression = le32(data + 16);
  if (compression != kUncompressed) return refuse(failure, "compression " + std::to_string(compression) + " not read");
  dib.bits = le16(data + 14);
  uint64_t tableBytes = 0;
  if (dib.bits == 8) {
    tableBytes = 256 * 4;
  } else if (dib.bits == 24 || dib.bits == 32) {
    tableBytes = uint64_t(le32(data + 32)) * 4;
  } else {
    return refuse(failure, "bit count " + std::to_string(dib.bits) + " not read");
  }
  dib.width = width;
  dib.topDown = height < 0;
  dib.height = height < 0 ? -height : height;
  dib.rowBytes = (size_t(width) * size_t(dib.bits) + 31) / 32 * 4;
  uint64_t need = uint64_t(headerSize) + tableBytes + uint64_t(dib.rowBytes) * uint64_t(dib.height);
  if (need > size) return refuse(failure, "picture shorter than its colour table and rows");
  dib.tableAt = headerSize;
  dib.rowsAt = size_t(headerSize + tableBytes);
  return true;
}

void readRows(const uint8_t* data, const DibLayout& dib, base::Image& image) {
  std::array<uint32_t, 256> palette{};
  if (dib.bits == 8) {
    for (int i = 0; i < 256; ++i) {
      const uint8_t* entry = data + dib.tableAt + size_t(i) * 4;
      palette[size_t(i)] = base::rgb(entry[2], entry[1], entry[0]);
    }
  }
  const size_t step = size_t(dib.bits / 8);
  for (int y = 0; y < dib.height; ++y) {
    int stored = dib.topDown ? y : dib.height - 1 - y;
    const uint8_t* in = data + dib.rowsAt + size_t(stored) * dib.rowBytes;
    uint32_t* out = image.row(y);
    if (dib.bits == 8) {
      for (int x = 0; x < dib.width; ++x) out[x] = palette[in[x]];
    } else {
      for (int x = 0; x < dib.width; ++x, in += step) out[x] = base::rgb(in[2], in[1], in[0]);
    }
  }
}

}  // namespace

std::optional<base::Image> decodeDib(const uint8_t* data, size_t size, std::string& failure) {
  DibLayout dib;
  if (!readLayout(data, size, dib, failure)) return std::nullopt;
  base::Image image(dib.width, dib.height, base::kWhite);
  readRows(data, dib, image);
  return image;
}

std::optional<base::Image> decodeBmpFile(const uint8_t* data, size_t size, std::string& failure) {
  if (size < 14 || data[0] != 'B' || data[1] != 'M') {
    failure = "not a .bmp file";
    return std::nullopt;
  }
  return decodeDib(data + 14, size - 14, failure);
}

}  // namespace thumbs
