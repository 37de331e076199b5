// Names that arrive from the update server become folder and file names on the user's disk.
#pragma once
#include <string_view>

namespace library {

// A name that stays one plain entry inside its folder: not empty, not "." or "..", free of
// \ / : * ? " < > | and control characters, and not a device name (CON, PRN, AUX, NUL, COM1 to
// COM9, LPT1 to LPT9, with or without an extension).
bool isSafeLocalName(std::u16string_view name);
// A safe local name that also keeps its last character as a folder name: no trailing dot or blank.
bool isSafeFolderName(std::u16string_view name);

}  // namespace library
