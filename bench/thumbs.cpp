// Preview + tile per DWG file, on 2,000 generated files with 256 x 102 previews drawn light on a
// dark ground, once with 8-bit DIB previews and once with PNG previews. The files are read once
// before timing, so the system's file cache is warm; each file is then read and tiled on one core.
// Per-file figures are the thread's processor time, so other work on the machine does not blur
// them; files/s is wall-clock.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <time.h>
#include <unistd.h>

#include "base/Files.h"
#include "base/Text.h"
#include "thumbs/DwgPreview.h"
#include "thumbs/ThumbTile.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include "stb_image_write.h"
#pragma GCC diagnostic pop

namespace {

constexpr int kFiles = 2000;
constexpr int kWidth = 256, kHeight = 102;
constexpr unsigned char kSentinel[16] = {0x1F, 0x25, 0x6D, 0x07, 0xD4, 0x36, 0x28, 0x28,
                                         0x9D, 0x57, 0xCA, 0x3F, 0x9D, 0x44, 0x10, 0x2B};

void put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}

// Palette indices of a simple drawing: 0 is the black ground, 7 white lines, 2 green ones.
std::vector<uint8_t> drawing(int seed) {
  std::vector<uint8_t> px(size_t(kWidth) * kHeight, 0);
  for (int x = 10; x < kWidth - 10; ++x) px[size_t(20 + seed % 60) * kWidth + x] = 7;
  for (int y = 5; y < kHeight - 5; ++y) px[size_t(y) * kWidth + size_t(30 + seed % 190)] = 7;
  for (int t = 0; t < 90; ++t) px[size_t(10 + t) * kWidth + size_t(60 + t * 2)] = 2;
  return px;
}

uint32_t colourOf(uint8_t index) { return index == 7 ? 0xFFFFFF : index == 2 ? 0x00FF00 : 0x000000; }

std::string dib8(const std::vector<uint8_t>& px) {
  std::string out;
  put32(out, 40);
  put32(out, kWidth);
  put32(out, kHeight);
  out += std::string("\x01\x00\x08\x00", 4);
  for (int i = 0; i < 6; ++i) put32(out, 0);
  for (int i = 0; i < 256; ++i) put32(out, colourOf(uint8_t(i)));
  for (int y = kHeight - 1; y >= 0; --y) out.append(reinterpret_cast<const char*>(&px[size_t(y) * kWidth]), kWidth);
  return out;
}

std::string png(const std::vector<uint8_t>& px) {
  std::vector<unsigned char> rgb;
  for (uint8_t i : px) {
    uint32_t c = colourOf(i);
    rgb.insert(rgb.end(), {static_cast<unsigned char>(c >> 16), static_cast<unsigned char>(c >> 8), static_cast<unsigned char>(c)});
  }
  std::string out;
  stbi_write_png_to_func([](void* ctx, void* data, int n) { static_cast<std::string*>(ctx)->append(static_cast<char*>(data), size_t(n)); },
                         &out, kWidth, kHeight, 3, rgb.data(), kWidth * 3);
  return out;
}

// A header, the preview area with a header entry and the picture, then the rest of a drawing.
std::string dwg(uint8_t type, const std::string& picture) {
  std::string file = "AC1018";
  file.resize(0x100, '\0');
  uint32_t area = 0x100;
  std::memcpy(&file[13], &area, 4);
  file.append(reinterpret_cast<const char*>(kSentinel), 16);
  put32(file, 0);
  file += char(2);
  uint32_t dataAt = uint32_t(file.size() + 18);
  file += char(1);
  put32(file, dataAt);
  put32(file, 80);
  file += char(type);
  put32(file, dataAt + 80);
  put32(file, uint32_t(picture.size()));
  file += std::string(80, 'h');
  file += picture;
  file += std::string(60000, 'd');
  return file;
}

std::vector<std::u16string> writeLibrary(const std::filesystem::path& folder, bool asPng) {
  std::filesystem::create_directories(folder);
  std::vector<std::u16string> paths;
  for (int i = 0; i < kFiles; ++i) {
    std::vector<uint8_t> px = drawing(i);
    std::u16string path = (folder / ("block" + std::to_string(i) + ".dwg")).u16string();
    base::files::writeWhole(path, dwg(asPng ? 6 : 2, asPng ? png(px) : dib8(px)));
    paths.push_back(path);
  }
  return paths;
}

double threadMicros() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

void measure(const char* what, const std::vector<std::u16string>& paths) {
  for (const auto& path : paths) thumbs::LoadDwgPreview(path);  // warm the file cache
  std::vector<double> micros;
  micros.reserve(paths.size());
  uint32_t checksum = 0;
  auto all = std::chrono::steady_clock::now();
  for (const auto& path : paths) {
    double start = threadMicros();
    std::optional<thumbs::Image> preview = thumbs::LoadDwgPreview(path);
    thumbs::Image tile = thumbs::MakeThumbTile(preview ? &*preview : nullptr);
    double end = threadMicros();
    checksum += tile.at(60, 30);
    micros.push_back(end - start);
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - all).count();
  std::vector<double> tileMicros;
  std::optional<thumbs::Image> sample = thumbs::LoadDwgPreview(paths[7]);
  for (int i = 0; i < 500; ++i) {
    double start = threadMicros();
    checksum += thumbs::MakeThumbTile(sample ? &*sample : nullptr).at(60, 30);
    tileMicros.push_back(threadMicros() - start);
  }
  std::sort(tileMicros.begin(), tileMicros.end());
  std::sort(micros.begin(), micros.end());
  std::printf("%-26s median %6.1f us (tile alone %5.1f us)  p90 %6.1f us  %7.0f files/s per core, wall %7.0f files/s  [%08x]\n",
              what, micros[micros.size() / 2], tileMicros[tileMicros.size() / 2], micros[micros.size() * 9 / 10],
              1e6 / micros[micros.size() / 2], double(paths.size()) / seconds, checksum);
}

}  // namespace

int main() {
  auto root = std::filesystem::temp_directory_path() / ("blockery-bench-thumbs-" + std::to_string(::getpid()));
  auto dibs = writeLibrary(root / "dib", false);
  auto pngs = writeLibrary(root / "png", true);
  std::printf("%d files, %d x %d previews, preview + tile per file:\n", kFiles, kWidth, kHeight);
  measure("8-bit DIB preview + tile", dibs);
  measure("PNG preview + tile", pngs);
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
  return 0;
}
