// UserBlock.xml in the data root: the paths of the user's own blocks, one <Item> element each.
#pragma once
#include <string>

#include "library/UserBlocks.h"

namespace library {

// Appends the text of every <Item> child of the root element of UserBlock.xml, read as a markup
// document in whatever encoding it comes. A missing file is created empty; a file that cannot be
// read or parsed adds nothing.
void loadUserBlocks(const std::u16string& dataRoot, PathList& userBlockPaths);

// The file's text: the declaration, "<root>", "<Item>path</Item>" per path (at most 500),
// "</root>", every line ended by a single CR.
std::u16string userBlocksText(const PathList& userBlockPaths);
bool saveUserBlocks(const std::u16string& dataRoot, const PathList& userBlockPaths);

}  // namespace library
