// recentBlocks: the blocks chosen recently, most recent first, no two with the same id; kept in
// RecentlyUse.xml in the data root, which every gallery of the user shares.
#pragma once
#include <string>

#include "library/ItemList.h"
#include "library/ListSaving.h"
#include "library/Records.h"

namespace library {

// Only this many are written; the rest stay in memory for the run.
inline constexpr size_t kMaxSavedBlocks = 500;

// Appends the records of RecentlyUse.xml, when the data root has one. False (and the failure
// logged) when the file could not be read or parsed whole; what could be read is appended then.
bool loadRecentBlocks(const std::u16string& dataRoot, BlockList& recent);

// Moves the block to the front, dropping an older entry with the same id.
void recordRecentBlock(BlockList& recent, const BlockRecord& block);

// The file's text: the declaration, "<root escaped="1">", one <Item line per block (at most 500),
// "</root>", every line ended by a single CR. "&", "<" and ">" in values are escaped; the root's
// mark tells a reader to decode them, which files written before without escaping must not be.
std::u16string recentBlocksText(const BlockList& recent);

// Under the lists' lock (see ListSaving.h): reads the file again, puts the blocks of pending files
// and then those chosen here (newest first) before its entries and replaces it in one step. An
// unreadable file is kept aside first, or left alone when it cannot be. When written, *inFile (if given) is
// the list now in the file, uncut.
SaveOutcome saveRecentBlocks(const std::u16string& dataRoot, const BlockList& chosen,
                             SaveTime when = SaveTime::ordinary(), BlockList* inFile = nullptr);

}  // namespace library
