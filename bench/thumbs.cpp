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

#include "thumbs/PreviewFiles.h"

namespace {

using thumbs_testing::PictureEntry;

constexpr int kFiles = 2000;
constexpr int kWidth = 256, kHeight = 102;

// A simple drawing: white and green lines on a black ground, placed by the seed.
base::Image drawing(int seed) {
  base::Image picture(kWidth, kHeight, base::kBlack);
  for (int x = 10; x < kWidth - 10; ++x) picture.at(x, 20 + seed % 60) = base::kWhite;
  for (int y = 5; y < kHeight - 5; ++y) picture.at(30 + seed % 190, y) = base::kWhite;
  for (int t = 0; t < 90; ++t) picture.at(60 + t * 2, 10 + t) = base::kGreen;
  return picture;
}

// The preview area with a header entry and the picture, then the rest of a drawing.
std::string dwg(uint8_t type, const std::string& picture) {
  return thumbs_testing::dwgFile({PictureEntry{1, std::string(80, 'h')}, PictureEntry{type, picture}}) +
         std::string(60000, 'd');
}

std::vector<std::u16string> writeLibrary(const std::filesystem::path& folder, bool asPng) {
  std::filesystem::create_directories(folder);
  std::vector<std::u16string> paths;
  for (int i = 0; i < kFiles; ++i) {
    base::Image picture = drawing(i);
    std::u16string path = (folder / ("block" + std::to_string(i) + ".dwg")).u16string();
    base::files::writeWhole(path, dwg(asPng ? 6 : 2, asPng ? thumbs_testing::png(picture) : thumbs_testing::dib(picture, 8)));
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
    std::optional<base::Image> preview = thumbs::LoadDwgPreview(path);
    base::Image tile = thumbs::MakeThumbTile(preview ? &*preview : nullptr);
    double end = threadMicros();
    checksum += tile.at(60, 30);
    micros.push_back(end - start);
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - all).count();
  std::vector<double> tileMicros;
  std::optional<base::Image> sample = thumbs::LoadDwgPreview(paths[7]);
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
