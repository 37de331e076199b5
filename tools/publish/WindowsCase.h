// Names as Windows compares them: two file names that differ only in the case of their letters
// (any script, full-width forms included: "Ａ型.dwg" and "ａ型.dwg") name one file there.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace publish {

struct UpcasePair {
  char16_t code;
  char16_t upper;
};
// Sorted by code; generated from the Unicode Character Database at build time.
extern const UpcasePair kWindowsUpcase[];
extern const size_t kWindowsUpcaseCount;

// The name with every UTF-16 code unit upper-cased as Windows does: equal results, one file.
std::u16string windowsFolded(std::u16string_view name);

}  // namespace publish
