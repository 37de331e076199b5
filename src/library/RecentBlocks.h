// recentBlocks: the blocks chosen recently, most recent first, no two with the same id; kept in
// RecentlyUse.xml in the data root.
#pragma once
#include <string>

#include "library/ItemList.h"
#include "library/Records.h"

namespace library {

// Only this many are written; the rest stay in memory for the run.
inline constexpr size_t kMaxSavedBlocks = 500;

// Appends the records of RecentlyUse.xml, when the data root has one.
void loadRecentBlocks(const std::u16string& dataRoot, BlockList& recent);

// Moves the block to the front, dropping an older entry with the same id.
void recordRecentBlock(BlockList& recent, const BlockRecord& block);

// The file's text: the declaration, "<root>", one <Item line per block (at most 500), "</root>",
// every line ended by a single CR. Values are written as they are.
std::u16string recentBlocksText(const BlockList& recent);
bool saveRecentBlocks(const std::u16string& dataRoot, const BlockList& recent);

}  // namespace library
