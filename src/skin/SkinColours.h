// Colours of the skin, as 0xAARRGGBB like the portable images.
#pragma once
#include <cstdint>

#include "base/Image.h"

namespace skin {

inline constexpr uint32_t kClientBackground = base::rgb(255, 255, 255);
inline constexpr uint32_t kButtonBand = base::rgb(240, 240, 240);
inline constexpr uint32_t kTitleText = base::rgb(238, 238, 238);

}  // namespace skin
