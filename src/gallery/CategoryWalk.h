// Which of the available blocks a selected tree node shows.
#pragma once
#include <string>
#include <vector>

#include "library/Records.h"

namespace gallery {

// True when folder is wantedFolder itself or lies below it. A plain prefix test would let the
// category A show the blocks of its sibling AB.
bool liesInFolder(const std::u16string& folder, const std::u16string& wantedFolder);

// The first run of blocks that share one folder at or below wantedFolder, in list order: the first
// matching block decides the folder, later blocks of that folder follow, and the first matching
// block of another folder ends the run. A category with sub-categories thus shows its first
// sub-category that has any blocks.
std::vector<library::BlockRecord> firstFolderRun(const std::vector<library::BlockRecord>& available,
                                                 const std::u16string& wantedFolder);

}  // namespace gallery
