// The gallery command message, and the update dialog's own codes of it (lParam). The number lives
// here, the lowest layer that uses it: the update dialog runs its steps on it, below the gallery.
#pragma once
#include <cstdint>

namespace update {

inline constexpr uint32_t kGalleryCommandMessage = 1124;  // WM_USER + 100; code in lParam

inline constexpr int32_t kStepNextCategory = 0;    // the dialog to itself
inline constexpr int32_t kStepItemListFetched = 1; // a fetch worker, target path contains ".xml"
inline constexpr int32_t kStepNextBlock = 2;       // the dialog to itself
inline constexpr int32_t kStepBlockFetched = 3;    // a fetch worker, any other target
inline constexpr int32_t kProgressBase = 2000;     // progress reports carry 2000 + the job's slot

// A completion's wParam: the fetch's outcome (0 failed, 1 stored, 2 held open) in the low two bits,
// the ticket the walk gave the fetch above them. An item list's ticket is 0, so it reports 1 or 0.
inline constexpr uint32_t completionWord(uint32_t ticket, int32_t outcome) { return ticket << 2 | uint32_t(outcome); }
inline constexpr int32_t outcomeOf(uint32_t word) { return int32_t(word & 3u); }
inline constexpr uint32_t ticketOf(uint32_t word) { return word >> 2; }

}  // namespace update
