// What the system's file-open dialog hands back, read without the dialog: the paths in its result
// buffer, and the buffer size to ask again with when the selection did not fit.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace base {

// The buffer holds one full path, or a folder followed by names; each is ended by a NUL and the
// whole by a second NUL. A folder that already ends in a separator (a drive's root, "C:\") is
// joined without a second one, so a file picked among several names the same path as picked alone.
std::vector<std::u16string> pathsOfSelection(std::u16string_view buffer);

// When the selection overflowed a buffer of current characters, the dialog wrote the size it needs
// into the buffer's first character, which cannot tell more than 65,535: the next buffer is four
// times the current one, or that size when it is more. 0 past kMaxSelectionBuffer: the selection
// is then too large to take.
inline constexpr size_t kMaxSelectionBuffer = 16 * 1024 * 1024;
size_t largerSelectionBuffer(size_t current, char16_t needed);

}  // namespace base
