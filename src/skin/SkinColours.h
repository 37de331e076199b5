// Colours of the skin, as 0xAARRGGBB like the portable images.
#pragma once
#include <cstdint>

#include "thumbs/Image.h"

namespace skin {

inline constexpr uint32_t kClientBackground = thumbs::rgb(255, 255, 255);
inline constexpr uint32_t kButtonBand = thumbs::rgb(240, 240, 240);
inline constexpr uint32_t kTitleText = thumbs::rgb(238, 238, 238);

}  // namespace skin
