// The search over a library on disk: what the category walk would show and the user's own files.
#include <gtest/gtest.h>

#include <filesystem>

#include "gallery/TestLibrary.h"
#include "library/AvailableBlocks.h"
#include "search/LibrarySearch.h"

namespace {

// 01_建筑: 门窗 (01_银杏, 香樟; 香樟's DWG file is gone), A with the sub-category 乔木 (長椅).
// 02_园林 (not selected): 乔木 (银杏林).
constexpr char kIndex[] =
    "<Folder name=\"jz\" local=\"01_建筑\"><Num>1</Num>\n"
    "  <Parent name=\"mc\" local=\"门窗\"></Parent>\n"
    "  <Parent name=\"a\" local=\"A\"><Child name=\"qm\">乔木</Child></Parent>\n"
    "  <Parent name=\"../x\" local=\"../逃逸\"></Parent>\n"
    "</Folder>\n"
    "<Folder name=\"yl\" local=\"02_园林\"><Num>2</Num>\n"
    "  <Parent name=\"qm\" local=\"乔木\"></Parent>\n"
    "</Folder>\n";

class LibrarySearchTest : public ::testing::Test {
protected:
  void SetUp() override {
    library.writeIndex(kIndex);
    library.writeSelection(u"10");
    library.addBlocks(u"01_建筑/门窗", {"01_银杏", "香樟"});
    std::filesystem::remove(std::filesystem::path(library.dwg(u"01_建筑/门窗", u"香樟")));
    library.addBlocks(u"01_建筑/A/乔木", {"長椅"});
    library.addBlocks(u"02_园林/乔木", {"银杏林"});
    userPaths = {library.userFile(u"我的银杏.DWG"), library.folder(u"gone/银杏.dwg")};
  }

  std::vector<std::string> find(std::u16string_view query, std::vector<std::u16string> recent = {}) {
    library::Categories categories;
    EXPECT_TRUE(library::rebuildCategories(library.place(), categories));
    search::LibrarySearch search(
        search::snapshotOf(categories, library::loadAvailableBlocks(categories.table), userPaths));
    std::vector<std::string> found;
    auto hits = search.find(query, recent);
    for (const search::SearchHit& hit : *hits) {
      if (hit.userBlock) {
        found.push_back("user " + base::toUtf8(library::userBlockName(search.userBlocks()[hit.index])));
      } else {
        const library::BlockRecord& block = search.blocks()[hit.index];
        found.push_back(base::toUtf8(block.name + u" @ " + search.categoryPath(block)));
      }
    }
    return found;
  }

  gallery_test::TestLibrary library;
  library::PathList userPaths;
};

using Found = std::vector<std::string>;

TEST_F(LibrarySearchTest, FindsWhatTheGalleryShows) {
  EXPECT_EQ(find(u"yx"), (Found{"01_银杏 @ 建筑 > 门窗", "user 我的银杏"}));
  EXPECT_EQ(find(u"銀杏"), (Found{"01_银杏 @ 建筑 > 门窗", "user 我的银杏"}));
  EXPECT_EQ(find(u"xiangzhang"), Found{});  // its DWG file is missing
  EXPECT_EQ(find(u"逃逸"), Found{});        // a folder outside the library is never walked
}

TEST_F(LibrarySearchTest, FindsByEveryField) {
  EXPECT_EQ(find(u"01_yin"), (Found{"01_银杏 @ 建筑 > 门窗"}));    // the name as stored
  EXPECT_EQ(find(u"qiaomu"), (Found{"長椅 @ 建筑 > A > 乔木"}));  // a category name
  EXPECT_EQ(find(u"jianzhu").size(), 2u);                          // the specialty's display name
  EXPECT_EQ(find(u"s").size(), 2u);                                // the <Spec> text "S"
  EXPECT_EQ(find(u"chang"), (Found{"長椅 @ 建筑 > A > 乔木"}));
  EXPECT_EQ(find(u"wode"), (Found{"user 我的银杏"}));
}

TEST_F(LibrarySearchTest, RecentBlocksGoFirstAmongEquals) {
  EXPECT_EQ(find(u"s"), (Found{"01_银杏 @ 建筑 > 门窗", "長椅 @ 建筑 > A > 乔木"}));
  EXPECT_EQ(find(u"s", {u"other-id", u"長椅-id"}), (Found{"長椅 @ 建筑 > A > 乔木", "01_银杏 @ 建筑 > 门窗"}));
}

}  // namespace
