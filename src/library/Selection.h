// The specialty selection: one "1" or "0" per specialty of the index, in file order, kept in
// HomeInkCasket.ini in the data root (section GallerySel, key Sel).
#pragma once
#include <string>
#include <string_view>

namespace library {

// What every reader supplies when nothing is stored, except the main window after the dialog.
inline constexpr char16_t kDefaultSelection[] = u"11001011000";
inline constexpr char16_t kSelectionAfterDialog[] = u"111";

// The two positions with a fixed meaning: the specialties a CAD host may switch on.
inline constexpr size_t kLandscapePosition = 8;   // "园林景观"
inline constexpr size_t kSecurityPosition = 7;    // "弱电安防"

std::u16string settingsFile(const std::u16string& dataRoot);

// The stored selection (at most 99 characters) or the fallback.
std::u16string readSelection(const std::u16string& dataRoot, const std::u16string& fallback);
bool writeSelection(const std::u16string& dataRoot, const std::u16string& selection);

// Switch their position on and store the selection. A stored selection too short for the position
// is first filled up with "0". True when the position was already on (anything but "0").
bool enableLandscapeSpecialty(const std::u16string& dataRoot);
bool enableSecuritySpecialty(const std::u16string& dataRoot);
bool enableSpecialtyAt(const std::u16string& dataRoot, size_t position);

// Whether confirming the selection dialog switched a specialty on, which starts an update: at the
// first position of the new selection whose old character (code 0 past the old end) is smaller.
bool selectionGainsSpecialty(std::u16string_view oldSelection, std::u16string_view newSelection);

}  // namespace library
