// Windows side. Skin colours (0xAARRGGBB) as GDI colour references.
#pragma once
#include <windows.h>

#include <cstdint>

#include "thumbs/Image.h"

namespace skin {

inline COLORREF colorRef(uint32_t colour) {
  return RGB(thumbs::redOf(colour), thumbs::greenOf(colour), thumbs::blueOf(colour));
}

}  // namespace skin
