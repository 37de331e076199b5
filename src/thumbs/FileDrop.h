// The bytes a block travels as when it is dragged out of the list or copied: a file drop in the
// shell's clipboard formats, built here so the layout can be checked without the window system.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace thumbs {

using DropBytes = std::vector<uint8_t>;

// CF_HDROP: a 20-byte DROPFILES header (list offset 20, point 0,0, not in a non-client area, wide
// names) followed by each path in UTF-16LE ended by a NUL, and one more NUL ending the list.
DropBytes dropFilesBytes(const std::vector<std::u16string>& paths);

// FileNameW: the one path in UTF-16LE ended by a NUL.
DropBytes fileNameBytes(const std::u16string& path);

// How a drag ended, from DoDragDrop's result and the effect the target reported.
enum class DragEnd { Dropped, Cancelled };

// Only a drop the target took as a copy counts; a refusal, Esc or a drop nowhere is cancelled.
DragEnd dragEndOf(int32_t result, uint32_t effect);

}  // namespace thumbs
