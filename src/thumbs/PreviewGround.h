// The ground a preview is drawn on: its most frequent colour.
#pragma once
#include <cstdint>

#include "base/Image.h"

namespace thumbs {

uint32_t mostFrequentColour(const base::Image& image);
// Luminance below half: the drawing is light lines on a dark ground.
bool isDarkColour(uint32_t colour);

}  // namespace thumbs
