// userBlockPaths: DWG files the user added from anywhere on disk, kept sorted and without
// duplicates after every addition. The thumbnail list shows only those whose files exist.
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

// Removes the path from the list. False when it was not there.
bool deleteUserBlock(PathList& userBlockPaths, const std::u16string& path);

// The name a user block is shown and found by: its file name without the extension; empty for a
// file without one.
std::u16string userBlockName(std::u16string_view path);

}  // namespace library
