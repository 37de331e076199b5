// Arbitrary bytes as a downloaded item list (FileList.xml) and as the recently-used list, read the
// way the gallery reads them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Text.h"
#include "library/ItemList.h"
#include "library/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text = base::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  const library::CategoryRow row{library::RowLevel::Category, u"http://127.0.0.1/InkCasket/A/B", u"/lib/01_A/02_B"};
  library::BlockList blocks;
  library::scanItemList(library::cutScannedText(text), row, blocks);
  library::scanItemList(text, row, blocks);
  library::scanItemListWithPath(library::cutScannedText(text), blocks);
  return 0;
}
