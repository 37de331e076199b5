#include "PreviewFiles.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "base/Files.h"
#include "thumbs/DwgPreview.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include "stb_image_write.h"
#pragma GCC diagnostic pop

namespace thumbs_testing {

namespace {

void put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}
void put16(std::string& out, uint16_t v) {
  out += char(v & 0xFF);
  out += char(v >> 8);
}

std::vector<uint32_t> coloursOf(const base::Image& picture) {
  std::vector<uint32_t> colours;
  for (uint32_t c : picture.pixels) {
    if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
  }
  if (colours.size() > 256) throw std::runtime_error("too many colours for an 8-bit picture");
  return colours;
}

}  // namespace

std::string dwgFile(const std::vector<PictureEntry>& entries) {
  std::string file = "AC1018";
  file.resize(kAreaAt, '\0');
  uint32_t area = kAreaAt;
  std::memcpy(&file[13], &area, 4);
  file.append(reinterpret_cast<const char*>(thumbs::kPreviewSentinel), 16);
  put32(file, 0);
  file += char(entries.size());
  size_t dataAt = file.size() + entries.size() * 9;
  for (const PictureEntry& e : entries) {
    file += char(e.type);
    put32(file, uint32_t(dataAt));
    put32(file, uint32_t(e.data.size()));
    dataAt += e.data.size();
  }
  for (const PictureEntry& e : entries) file += e.data;
  file += std::string(32, '\x7F');  // the rest of a drawing
  return file;
}

std::string dib(const base::Image& picture, DibHeader header) {
  std::string out;
  put32(out, header.headerSize);
  put32(out, uint32_t(header.width));
  put32(out, uint32_t(header.height));
  put16(out, 1);
  put16(out, header.bits);
  put32(out, header.compression);
  put32(out, 0);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, header.coloursUsed);
  put32(out, 0);
  out.resize(std::max<size_t>(out.size(), header.headerSize), '\0');
  std::vector<uint32_t> colours;
  if (header.bits == 8) {
    colours = coloursOf(picture);
    for (size_t i = 0; i < 256; ++i) put32(out, i < colours.size() ? colours[i] & 0xFFFFFF : 0x123456);
  }
  size_t rowBytes = (size_t(picture.width) * header.bits + 31) / 32 * 4;
  for (int r = 0; r < picture.height; ++r) {
    int y = header.height < 0 ? r : picture.height - 1 - r;
    std::string row;
    for (int x = 0; x < picture.width; ++x) {
      uint32_t c = picture.at(x, y);
      if (header.bits == 8) {
        row += char(std::find(colours.begin(), colours.end(), c) - colours.begin());
      } else {
        row += char(base::blueOf(c));
        row += char(base::greenOf(c));
        row += char(base::redOf(c));
        if (header.bits == 32) row += '\xAA';
      }
    }
    row.resize(rowBytes, '\0');
    out += row;
  }
  return out;
}

std::string dib(const base::Image& picture, uint16_t bits, bool topDown) {
  DibHeader header{picture.width, topDown ? -picture.height : picture.height};
  header.bits = bits;
  return dib(picture, header);
}

std::string png(const base::Image& picture) {
  std::vector<unsigned char> rgba;
  for (uint32_t c : picture.pixels) {
    rgba.insert(rgba.end(), {static_cast<unsigned char>(base::redOf(c)), static_cast<unsigned char>(base::greenOf(c)),
                             static_cast<unsigned char>(base::blueOf(c)), 255});
  }
  std::string out;
  stbi_write_png_to_func(
      [](void* context, void* data, int size) { static_cast<std::string*>(context)->append(static_cast<char*>(data), size_t(size)); },
      &out, picture.width, picture.height, 4, rgba.data(), picture.width * 4);
  return out;
}

base::Image patterned(int width, int height) {
  base::Image picture(width, height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.at(x, y) = base::rgb(uint32_t(x * 40 % 256), uint32_t(y * 70 % 256), uint32_t((x + y) % 2 * 200));
  }
  return picture;
}

void writeFile(const std::u16string& path, const std::string& bytes) {
  if (!base::files::writeWhole(path, bytes)) throw std::runtime_error("cannot write a test file");
}

}  // namespace thumbs_testing
