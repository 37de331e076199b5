// The ground a preview is drawn on: its most frequent colour.
#pragma once
#include <cstdint>

#include "thumbs/Image.h"

namespace thumbs {

uint32_t mostFrequentColour(const Image& image);
// Luminance below half: the drawing is light lines on a dark ground.
bool isDarkColour(uint32_t colour);

}  // namespace thumbs
