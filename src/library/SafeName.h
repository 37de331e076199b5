// Names that arrive from the update server become folder and file names on the user's disk.
#pragma once
#include <string_view>

namespace library {

// A name that stays one plain entry inside its folder: not empty, not "." or "..", and free of
// \ / : * ? " < > | and control characters.
bool isSafeLocalName(std::u16string_view name);

}  // namespace library
