// UserBlock.xml in the data root: the paths of the user's own blocks, one <Item> element each.
#pragma once
#include <string>

#include "library/UserBlocks.h"

namespace library {

// The file's text: the declaration, "<root>", "<Item>path</Item>" per path (at most 500),
// "</root>", every line ended by a single CR.
std::u16string userBlocksText(const PathList& userBlockPaths);
bool saveUserBlocks(const std::u16string& dataRoot, const PathList& userBlockPaths);

}  // namespace library
