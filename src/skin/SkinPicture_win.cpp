#include "skin/SkinPicture.h"

#include <algorithm>

#include "base/StandardPaths.h"
#include "base/WinText.h"
#include "skin/SkinButtonLook.h"
#include "win/ImageBitmap.h"

namespace skin {

SkinPicture::SkinPicture(const std::u16string& path)
    : SkinPicture(win::Bitmap(static_cast<HBITMAP>(
          LoadImageW(nullptr, base::wide(path), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)))) {}

SkinPicture::SkinPicture(win::Bitmap bitmap) : bitmap_(std::move(bitmap)) {
  BITMAP info{};
  if (bitmap_ && GetObjectW(bitmap_.get(), sizeof(info), &info)) {
    width_ = info.bmWidth;
    height_ = std::abs(info.bmHeight);
  } else {
    bitmap_.reset();
  }
}

void SkinPicture::draw(HDC dc, int toX, int toY, int x, int y, int width, int height) const {
  width = std::min(width, width_ - x);
  height = std::min(height, height_ - y);
  if (!bitmap_ || width <= 0 || height <= 0 || x < 0 || y < 0) return;
  win::MemoryDC source(dc);
  win::SelectGuard selected(source, bitmap_.get());
  BitBlt(dc, toX, toY, width, height, source, x, y, SRCCOPY);
}

std::u16string gallerySkinPath(const std::u16string& name) {
  std::u16string folder = base::modulePath();
  folder.resize(std::min(folder.size(), folder.rfind(u'\\')));
  return folder + u"\\GallerySkin\\" + name;
}

namespace {

// "update.bmp" drawn at percent: "update@150.bmp".
std::u16string nameAt(const std::u16string& name, int percent) {
  if (percent == 100) return name;
  const size_t dot = name.rfind(u'.');
  const std::u16string suffix = u"@" + std::u16string(percent == 150 ? u"150" : u"200");
  return dot == std::u16string::npos ? name + suffix : name.substr(0, dot) + suffix + name.substr(dot);
}

// Each frame on its own, so no frame bleeds into its neighbour.
std::unique_ptr<SkinPicture> resized(const SkinPicture& picture, SIZE frame) {
  const int sourceWidth = picture.width() / kSkinFrames;
  base::Image blank(frame.cx * kSkinFrames, frame.cy, base::kWhite);
  win::Bitmap target = win::bitmapFromImage(blank);
  if (!target || sourceWidth <= 0) return std::make_unique<SkinPicture>();
  {
    win::MemoryDC to(nullptr), from(nullptr);
    win::SelectGuard toBitmap(to, target.get()), fromBitmap(from, picture.bitmap());
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    for (int k = 0; k < kSkinFrames; ++k) {
      StretchBlt(to, k * frame.cx, 0, frame.cx, frame.cy, from, k * sourceWidth, 0, sourceWidth, picture.height(),
                 SRCCOPY);
    }
  }
  return std::make_unique<SkinPicture>(std::move(target));
}

}  // namespace

std::unique_ptr<SkinPicture> loadSkinPicture(const std::u16string& name, int dpi) {
  int percent = base::artPercentFor(dpi);
  auto picture = std::make_unique<SkinPicture>(gallerySkinPath(nameAt(name, percent)));
  if (picture->empty() && percent != 100) {
    percent = 100;
    picture = std::make_unique<SkinPicture>(gallerySkinPath(name));
  }
  if (picture->empty() || percent * base::kBaseDpi == dpi * 100) return picture;
  // The frame as drawn at 100 %, then at dpi.
  const int frameWidth = (picture->width() / kSkinFrames * 100 + percent / 2) / percent;
  const int frameHeight = (picture->height() * 100 + percent / 2) / percent;
  return resized(*picture, SIZE{base::scaled(frameWidth, dpi), base::scaled(frameHeight, dpi)});
}

}  // namespace skin
