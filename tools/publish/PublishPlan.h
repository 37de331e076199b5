// Gives every folder its remote name and every block its id. What the state knows and what did
// not change keeps its name and id; a file is read only when it is new or its size or time
// changed, and then its digest decides: the same bytes keep their id (also under a new name or in
// another folder), other bytes get a new one.
#pragma once
#include <string>

#include "Library.h"
#include "Problems.h"
#include "PublishState.h"

namespace publish {

// The source file of a block, from the source's top.
std::u16string sourceFile(const std::u16string& sourceRoot, const Folder& folder, const Block& block);

// Updates state.nextId for the ids it gives. Files that cannot be read or are not DWG files are
// errors; blocks without a readable preview are warnings (for unchanged files, as the state recorded).
// A block left without a digest is new: the writer reads it whole, once, and fills in the rest.
void planPublish(Library& library, const std::u16string& sourceRoot, PublishState& state, Problems& problems);

// The part of a name that may stand in a URL unchanged: ASCII letters, digits, "-" and "_".
std::u16string urlSafePart(std::u16string_view name);

}  // namespace publish
