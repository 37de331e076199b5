// A 128-bit digest of a block's bytes, kept in the state file to tell a DWG whose time changed
// but whose content did not, and to follow a renamed or moved file. Not a defence against anyone
// crafting collisions: the person publishing owns the files.
#pragma once
#include <string>
#include <string_view>

namespace publish {

// 32 lower-case hex digits.
std::string contentHash(std::string_view bytes);

}  // namespace publish
