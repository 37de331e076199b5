// Where the update walk stands. One per process, touched only on the user-interface thread; it
// outlives every update dialog, so a walk that stopped on a failure resumes at the same category.
#pragma once
#include <cstdint>
#include <vector>

#include "library/Records.h"

namespace update {

struct WalkState {
  uint32_t categoryCursor = 0;                // the category table row being handled
  std::vector<library::BlockRecord> blocks;   // the current category's item list
  int32_t blockCursor = -1;                   // the entry of blocks being handled
};

// The process's walk state.
WalkState& sharedWalkState();

// After the user switched a specialty on, the next walk starts again from the first row.
inline void restartWalkFromFirstRow(WalkState& state) { state.categoryCursor = 0; }

}  // namespace update
