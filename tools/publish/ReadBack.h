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

// Every difference between the library and the tree read back (block files' sizes included), as
// messages; empty when galleries would see exactly the library.
std::vector<std::string> differences(const Library& library, const ServedLibrary& served,
                                     const std::u16string& serverFolder, const Locate& locate);

}  // namespace publish
