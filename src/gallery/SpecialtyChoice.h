// What the specialty selection dialog shows and stores: one labelled check box per specialty of
// the index (at most 30), ticked from the stored selection, and the 30-character selection built
// from the ticks again.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "library/CategoryIndex.h"
#include "library/Records.h"

namespace gallery {

inline constexpr size_t kSpecialtyBoxes = 30;
using SpecialtyTicks = std::array<bool, kSpecialtyBoxes>;

// displayName of the local name, a space, the number; a label under 10 characters gets the
// two-space text once for every character it lacks.
std::u16string specialtyLabel(const std::u16string& localName, const std::u16string& number);

// The labels of the index's specialties (its Folder entries, switched on or not), in index order,
// at most one per check box.
std::vector<std::u16string> specialtyLabels(const library::IndexEntries& entries,
                                            const library::SpecialtyNumbers& numbers);

// Box i is ticked when character i of the selection is "1"; boxes past its end are not.
SpecialtyTicks ticksOf(std::u16string_view selection);

// "1" for a ticked box and "0" for the others, one character per box, hidden boxes included.
std::u16string selectionOf(const SpecialtyTicks& ticks);

}  // namespace gallery
