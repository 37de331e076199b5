// What makes a file a DWG file to every part of the system: the gallery's downloads and
// blockery-publish alike. A DWG file begins with its version tag, "AC1" and three digits or dots
// ("AC1018", "AC1.50").
#pragma once
#include <string_view>

namespace library {

inline constexpr size_t kDwgVersionLength = 6;

// head: the file's first bytes (at least kDwgVersionLength of them for a yes).
bool startsWithDwgVersion(std::string_view head);

}  // namespace library
