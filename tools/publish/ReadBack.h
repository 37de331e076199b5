// The proof of a publish run: what galleries read from the written tree must be the library
// that was meant, block for block.
#pragma once
#include <string>
#include <vector>

#include "Library.h"
#include "ServedLibrary.h"

namespace publish {

// The URL of a folder below the server folder: its remote names, each after a "/".
std::u16string folderUrl(const std::vector<const Folder*>& way);

// Every difference between the library and the tree read back, as messages; empty when galleries
// would see exactly the library. Block files are the writer's: it confirms each one's size.
std::vector<std::string> differences(const Library& library, const ServedLibrary& served);

}  // namespace publish
