#include "skin/SkinPicture.h"

#include <algorithm>

#include "base/StandardPaths.h"
#include "base/WinText.h"

namespace skin {

SkinPicture::SkinPicture(const std::u16string& path) {
  bitmap_.reset(static_cast<HBITMAP>(
      LoadImageW(nullptr, base::wide(path), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
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

std::unique_ptr<SkinPicture> loadSkinPicture(const std::u16string& name) {
  return std::make_unique<SkinPicture>(gallerySkinPath(name));
}

}  // namespace skin
