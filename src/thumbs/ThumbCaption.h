// The caption under a thumbnail, made from the block's path.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace thumbs {

inline constexpr size_t kCaptionLength = 9;

// The file name without folder and up to its last full stop (empty without one), less a prefix
// ending in an underscore at index 0 to 3, cut to its first 9 characters.
std::u16string thumbCaption(std::u16string_view path);

// The list's type-ahead: the first item from start on, going round past the last to item 0, whose
// caption begins with typed (Latin letters in either case); none when no caption does.
std::optional<size_t> findCaption(const std::vector<std::u16string>& paths, std::u16string_view typed, size_t start);

}  // namespace thumbs
