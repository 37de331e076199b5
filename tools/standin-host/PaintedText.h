// The probe that reads a text the gallery paints itself (its search caption) off the screen.
#pragma once
#include <string>
#include <vector>

namespace standin {

// painted WINDOW LEFT TOP RIGHT BOTTOM TEXT: see PaintedText_win.cpp.
int paintedText(const std::vector<std::u16string>& arguments);

}  // namespace standin
