// A PNG picture, as newer DWG files store their only preview.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/Image.h"

namespace thumbs {

// Width and height must lie in 1..4096 (checked before anything is decoded). Transparent pixels
// are laid over white, as a picture drawn on a white fill would show.
std::optional<base::Image> decodePng(const uint8_t* data, size_t size, std::string& failure);

}  // namespace thumbs
