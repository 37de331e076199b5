#include <gtest/gtest.h>

#include "update/KeepOrFetch.h"

namespace {

using update::BlockChoice;

TEST(KeepOrFetch, KeepsOnlyTheBlockTheItemListNames) {
  struct Case {
    const char* what;
    std::optional<uint64_t> listedSize;
    std::optional<uint64_t> onDisk;
    std::optional<std::u16string> recordedId;  // none: no record of the file
    BlockChoice choice;
  };
  const Case cases[] = {
      {"same id, same size", 100, 100, u"b1", BlockChoice::Keep},
      {"same id, no size listed", std::nullopt, 70, u"b1", BlockChoice::Keep},
      {"same id, size differs (cut or changed by hand)", 100, 99, u"b1", BlockChoice::Fetch},
      {"new id: the block changed", 100, 100, u"b0", BlockChoice::Fetch},
      {"removed and re-added under the same name", std::nullopt, 100, u"old", BlockChoice::Fetch},
      {"no record, size matches", 100, 100, std::nullopt, BlockChoice::Keep},
      {"no record, no size listed", std::nullopt, 100, std::nullopt, BlockChoice::Keep},
      {"no record, size differs", 100, 50, std::nullopt, BlockChoice::Fetch},
      {"renamed: nothing under the new name", 100, std::nullopt, std::nullopt, BlockChoice::Fetch},
      {"recorded but gone from disk", 100, std::nullopt, u"b1", BlockChoice::Fetch},
  };
  for (const Case& c : cases) {
    library::BlockRecord listed;
    listed.id = u"b1";
    listed.size = c.listedSize;
    update::FileSource recorded{c.recordedId.value_or(u"")};
    EXPECT_EQ(update::keepOrFetch(listed, c.onDisk, c.recordedId ? &recorded : nullptr), c.choice) << c.what;
  }
}

}  // namespace
