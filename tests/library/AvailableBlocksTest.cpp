#include <gtest/gtest.h>

#include <sys/stat.h>

#include "base/FolderNames.h"
#include "base/Files.h"
#include "base/Text.h"
#include "library/AvailableBlocks.h"
#include "LibraryFiles.h"
#include "support/TempFolder.h"

using namespace library;
using namespace library_tests;
using testing_support::TempFolder;

namespace {

std::u16string listOf(std::initializer_list<std::u16string_view> names) {
  std::u16string text = u"<root>";
  int id = 0;
  for (auto name : names) {
    text += u"<Item id=\"" + std::u16string(1, char16_t(u'a' + id++)) + u"\"><Name>";
    text.append(name).append(u"</Name><Spec>s</Spec><Detail>d</Detail><Mfrs>m</Mfrs><Url>u</Url></Item>");
  }
  return text + u"</root>";
}

class LoadAvailableBlocks : public ::testing::Test {
protected:
  CategoryRow row(RowLevel level, std::u16string_view name) {
    std::u16string folder = dir_.file(name);
    std::filesystem::create_directories(std::filesystem::path(folder));
    return CategoryRow{level, u"http://h/" + std::u16string(name), folder};
  }
  void dwg(const CategoryRow& r, std::u16string_view file) { writeFile(in(r.folder, file), std::string_view("AC1015")); }
  void list(const CategoryRow& r, std::initializer_list<std::u16string_view> names) {
    writeFile(in(r.folder, u"FileList.xml"), listOf(names));
  }
  std::vector<std::u16string> names(const BlockList& blocks) {
    std::vector<std::u16string> out;
    for (const auto& b : blocks) out.push_back(b.name);
    return out;
  }

  TempFolder dir_;
};

}  // namespace

TEST_F(LoadAvailableBlocks, ListsOnlyBlocksWhoseFileIsOnDisk) {
  CategoryRow trees = row(RowLevel::Category, u"Trees");
  list(trees, {u"Oak.dwg", u"Elm.dwg", u"Ash.Dwg"});
  dwg(trees, u"Oak.dwg");
  dwg(trees, u"Ash.Dwg");
  CategoryTable table = {row(RowLevel::Root, u"root"), trees};
  auto blocks = loadAvailableBlocks(table);
  ASSERT_EQ(names(blocks), (std::vector<std::u16string>{u"Oak"}));
  EXPECT_EQ(blocks[0].folder, trees.folder);
  EXPECT_EQ(blocks[0].folderUrl, trees.folderUrl);

  dwg(trees, u"Elm.dwg");
  EXPECT_EQ(names(loadAvailableBlocks(table)), (std::vector<std::u16string>{u"Oak", u"Elm"}));
}

TEST_F(LoadAvailableBlocks, FollowsRowOrderAndIgnoresListsAboveTheCategories) {
  CategoryRow root = row(RowLevel::Root, u"root");
  CategoryRow garden = row(RowLevel::Specialty, u"root/Garden");
  CategoryRow trees = row(RowLevel::Category, u"root/Garden/Trees");
  CategoryRow pines = row(RowLevel::SubCategory, u"root/Garden/Trees/Pines");
  CategoryRow empty = row(RowLevel::Category, u"root/Garden/Empty");
  for (const auto* r : {&root, &garden}) {
    list(*r, {u"Top"});
    dwg(*r, u"Top.dwg");
  }
  list(pines, {u"P1", u"P2"});
  list(trees, {u"T1"});
  for (auto name : {u"P1.dwg", u"P2.dwg"}) dwg(pines, name);
  dwg(trees, u"T1.dwg");
  auto blocks = loadAvailableBlocks({root, garden, pines, trees, empty});
  EXPECT_EQ(names(blocks), (std::vector<std::u16string>{u"P1", u"P2", u"T1"}));
}

TEST_F(LoadAvailableBlocks, ListsEachFolderOnceInsteadOfAskingPerBlock) {
  CategoryRow a = row(RowLevel::Category, u"A");
  CategoryRow b = row(RowLevel::SubCategory, u"B");
  CategoryRow none = row(RowLevel::Category, u"None");
  list(a, {u"1", u"2", u"3", u"4"});
  list(b, {u"5", u"../6"});
  dwg(a, u"2.dwg");
  base::files::createDirectory(in(a.folder, u"4.dwg"));
  writeFile(in(b.folder, u"6.dwg"), std::string_view("x"));
  uint64_t queries = base::files::queryCount();
  uint64_t listings = base::FolderNames::listingCount();
  auto blocks = loadAvailableBlocks({a, b, none});
  EXPECT_EQ(base::files::queryCount() - queries, 0u);
  EXPECT_EQ(base::FolderNames::listingCount() - listings, 2u);
  // A folder named like the DWG file counts as present, as an existence query would have it.
  EXPECT_EQ(names(blocks), (std::vector<std::u16string>{u"2", u"4"}));
}

TEST_F(LoadAvailableBlocks, AFolderThatCannotBeListedIsAskedPerBlock) {
  CategoryRow a = row(RowLevel::Category, u"A");
  list(a, {u"1", u"2"});
  dwg(a, u"1.dwg");
  ::chmod(base::toUtf8(a.folder).c_str(), 0300);
  if (base::FolderNames(a.folder).listed()) GTEST_SKIP() << "running with rights that ignore folder modes";
  uint64_t queries = base::files::queryCount();
  auto blocks = loadAvailableBlocks({a});
  ::chmod(base::toUtf8(a.folder).c_str(), 0755);
  EXPECT_EQ(base::files::queryCount() - queries, 2u);
  EXPECT_EQ(names(blocks), (std::vector<std::u16string>{u"1"}));
}
