// UserBlock.xml in the data root: the paths of the user's own blocks, one <Item> element each,
// shared by every gallery of the user.
#pragma once
#include <string>

#include "library/ListMerge.h"
#include "library/ListSaving.h"
#include "library/UserBlocks.h"

namespace library {

// Appends the decoded text of every <Item> child of every root element the document navigation
// finds in UserBlock.xml, read as a markup document in whatever encoding it comes. A missing file
// is created empty. False (and the failure logged) when the file could not be read or parsed
// whole: what could be read is appended all the same.
bool loadUserBlocks(const std::u16string& dataRoot, PathList& userBlockPaths);

// The file's text: the declaration, "<root>", "<Item>path</Item>" per path with "&", "<" and ">"
// escaped, "</root>", every line ended by a single CR.
std::u16string userBlocksText(const PathList& userBlockPaths);

// Under the lists' lock (see ListSaving.h): reads the file again, applies the edits of pending
// files and then these, and replaces the file in one step. An unreadable file is kept aside first,
// or left alone when it cannot be. When written, *inFile (if given) is the list now in the file.
SaveOutcome saveUserBlocks(const std::u16string& dataRoot, const UserBlockEdits& edits,
                           SaveTime when = SaveTime::ordinary(), PathList* inFile = nullptr);

}  // namespace library
