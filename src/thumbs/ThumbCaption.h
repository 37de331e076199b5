// The caption under a thumbnail, made from the block's path.
#pragma once
#include <string>
#include <string_view>

namespace thumbs {

inline constexpr size_t kCaptionLength = 9;

// The file name without folder and up to its last full stop (empty without one), less a prefix
// ending in an underscore at index 0 to 3, cut to its first 9 characters.
std::u16string thumbCaption(std::u16string_view path);

}  // namespace thumbs
