// Reads a source tree: level 1 the specialties, level 2 the categories, an optional level 3 the
// sub-categories, DWG files in the folders at the bottom, each with an optional blocks.csv; an
// optional specialties.csv at the top. Folders come in name order; blocks in the order of their
// blocks.csv rows, then the files without a row by name. Only sizes and times are read here,
// never a DWG's bytes.
#pragma once
#include <string>

#include "Library.h"
#include "Problems.h"

namespace publish {

inline constexpr char16_t kBlocksCsv[] = u"blocks.csv";
inline constexpr char16_t kSpecialtiesCsv[] = u"specialties.csv";

// Layout faults (stray files, a fourth level, faulty CSV files or rows naming missing files) are
// errors in problems; the library holds what could be read.
Library readSource(const std::u16string& root, Problems& problems);

// A path from the source's top as messages show it.
std::string shown(const std::u16string& path);

}  // namespace publish
