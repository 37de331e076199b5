// Where the update walk stands. One per process, touched only on the user-interface thread; it
// outlives every update dialog, so a walk that stopped on a failure resumes at the same category.
#pragma once
#include <cstdint>
#include <deque>
#include <vector>

#include "library/Records.h"

namespace update {

// A block an item list asked for, with the category table row it belongs to.
struct BlockToFetch {
  library::BlockRecord block;
  uint32_t row = 0;
};

struct WalkState {
  uint32_t categoryCursor = 0;                // the category table row being handled
  std::vector<library::BlockRecord> blocks;   // the current category's item list
  std::deque<BlockToFetch> toFetch;           // blocks to fetch and not yet stored, in index order
};

// The process's walk state.
WalkState& sharedWalkState();

// After the user switched a specialty on, the next walk starts again from the first row.
inline void restartWalkFromFirstRow(WalkState& state) {
  state.categoryCursor = 0;
  state.toFetch.clear();
}

}  // namespace update
