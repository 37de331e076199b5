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

}  // namespace update
