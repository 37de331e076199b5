// InkCasket.xml, the category index: specialties (<Folder), their categories (<Parent) and
// sub-categories (<Child), scanned as plain text in file order.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "library/Records.h"

namespace library {

using SpecialtyNumbers = std::vector<std::u16string>;   // the <Num> text per <Folder, in file order

// Replaces the entries with those of the text and appends one number per specialty. The searches
// follow the file's historic arithmetic: the second value of a <Parent, the value of a <Child and
// the <Child's text are looked for two characters past their opening delimiter, and a <Num> is
// searched from the specialty's start without regard to its end (a specialty without one takes
// the next specialty's number).
void scanCategoryIndex(std::u16string_view text, IndexEntries& entries, SpecialtyNumbers& numbers);

// The same for the index file, read with readWholeTextFile. The caller checks that it exists.
void parseCategoryIndex(const std::u16string& path, IndexEntries& entries, SpecialtyNumbers& numbers);

}  // namespace library
