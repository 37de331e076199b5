// Windows side. A skin strip read from a .bmp file of the program's GallerySkin folder, drawn for
// the window's display setting. A picture that cannot be read is empty: 0 x 0, and draws nothing.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "base/DisplayScale.h"
#include "win/Gdi.h"

namespace skin {

class SkinPicture {
public:
  SkinPicture() = default;
  explicit SkinPicture(const std::u16string& path);
  explicit SkinPicture(win::Bitmap bitmap);

  int width() const { return width_; }
  int height() const { return height_; }
  HBITMAP bitmap() const { return bitmap_.get(); }
  bool empty() const { return !bitmap_; }

  // Copies the source rectangle (x, y, width, height) to (toX, toY) of the DC at 1:1, keeping
  // inside the picture.
  void draw(HDC dc, int toX, int toY, int x, int y, int width, int height) const;

private:
  win::Bitmap bitmap_;
  int width_ = 0;
  int height_ = 0;
};

// programFolder + "\GallerySkin\" + name.
std::u16string gallerySkinPath(const std::u16string& name);

// The strip for dpi. GallerySkin holds each picture drawn at 100 % (name) and at 150 % and 200 %
// ("update@150.bmp", "update@200.bmp"); the one base::artPercentFor names is taken (the 100 % one
// when it is missing), and its frames are resized to the 100 % frame's size at dpi when it was
// drawn for another setting.
std::unique_ptr<SkinPicture> loadSkinPicture(const std::u16string& name, int dpi = base::kBaseDpi);

}  // namespace skin
