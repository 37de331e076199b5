// userBlockPaths: DWG files the user added from anywhere on disk, kept sorted and without
// duplicates after every addition. The thumbnail list shows only those whose files exist, and
// positions the window reports count those shown paths.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace library {

using PathList = std::vector<std::u16string>;

// Appends the chosen files in the dialog's order, then sorts (exact character order) and drops
// duplicates.
void addUserBlocks(PathList& userBlockPaths, const PathList& chosen);

// The paths whose files exist, in list order: what the thumbnail list shows.
PathList shownUserBlocks(const PathList& userBlockPaths);

// Removes the path shown at the position from the list; a position outside the shown paths changes
// nothing. False when nothing was removed.
bool deleteUserBlock(PathList& userBlockPaths, const PathList& shown, int32_t position);

// The name a user block is shown and found by: its file name without the extension; empty for a
// file without one.
std::u16string userBlockName(std::u16string_view path);

}  // namespace library
