// Windows side. Skin colours (0xAARRGGBB) as GDI colour references.
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/Image.h"

namespace skin {

inline COLORREF colorRef(uint32_t colour) {
  return RGB(base::redOf(colour), base::greenOf(colour), base::blueOf(colour));
}

}  // namespace skin
