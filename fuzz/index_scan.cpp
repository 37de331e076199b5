// Arbitrary bytes as a downloaded category index, read the way the gallery reads InkCasket.xml.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Text.h"
#include "library/CategoryIndex.h"
#include "library/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text = base::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  library::IndexEntries entries;
  library::SpecialtyNumbers numbers;
  library::scanCategoryIndex(library::cutScannedText(text), entries, numbers);
  library::scanCategoryIndex(text, entries, numbers);
  return 0;
}
