// The checks a source tree must pass before anything is published, on names and texts alone:
// what galleries would refuse, could not keep apart or could not read back from an item list.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "Library.h"
#include "Problems.h"

namespace publish {

// A gallery keeps a block at <documents>\Scrydir\InkCasket\<specialty>\<category>[\<sub>]\<name>.dwg.
// Windows paths stop at 259 characters; the part below the library folder may take this many, which
// leaves 99 for the documents folder of a long user name.
inline constexpr size_t kLongestLocalPath = 140;

// Why galleries would refuse the name as a file (folder == false) or folder name; empty when they take it.
std::string refusal(std::u16string_view name, bool folder);

void checkNames(const Library& library, Problems& problems);

}  // namespace publish
