// An owned image list (ImageList_Create/ImageList_Destroy) of 32-bit images of one size.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace win {

class ImageList {
public:
  ImageList() = default;
  ImageList(int width, int height, int initial = 16, int grow = 16)
      : list_(ImageList_Create(width, height, ILC_COLOR32, initial, grow)) {}
  ~ImageList() { reset(); }
  ImageList(ImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
  ImageList& operator=(ImageList&& other) noexcept {
    if (this != &other) {
      reset();
      list_ = std::exchange(other.list_, nullptr);
    }
    return *this;
  }
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  HIMAGELIST get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  // The bitmap is copied into the list; the caller keeps its own. Returns the index or -1.
  int add(HBITMAP bitmap) { return ImageList_Add(list_, bitmap, nullptr); }
  bool replace(int index, HBITMAP bitmap) { return ImageList_Replace(list_, index, bitmap, nullptr) != FALSE; }
  int count() const { return ImageList_GetImageCount(list_); }
  void clear() { ImageList_Remove(list_, -1); }
  void reset() {
    if (list_) ImageList_Destroy(list_);
    list_ = nullptr;
  }

private:
  HIMAGELIST list_ = nullptr;
};

}  // namespace win
