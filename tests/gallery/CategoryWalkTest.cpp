#include <gtest/gtest.h>

#include "base/Path.h"
#include "gallery/CategoryWalk.h"

namespace {

using gallery::firstFolderRun;
using gallery::liesInFolder;
using library::BlockRecord;

const std::u16string kRoot = u"R";

std::u16string under(std::initializer_list<std::u16string_view> levels) {
  std::u16string path = kRoot;
  for (auto level : levels) path = base::joinPath(path, level);
  return path;
}

BlockRecord block(std::u16string folder, std::u16string id) {
  BlockRecord record;
  record.folder = std::move(folder);
  record.id = std::move(id);
  record.name = record.id;
  return record;
}

std::vector<std::u16string> ids(const std::vector<BlockRecord>& blocks) {
  std::vector<std::u16string> out;
  for (const auto& b : blocks) out.push_back(b.id);
  return out;
}

TEST(FolderMatch, AFolderMatchesItselfAndWhatLiesBelowIt) {
  EXPECT_TRUE(liesInFolder(under({u"景观", u"A"}), under({u"景观", u"A"})));
  EXPECT_TRUE(liesInFolder(under({u"景观", u"A", u"x"}), under({u"景观", u"A"})));
  EXPECT_FALSE(liesInFolder(under({u"景观", u"AB"}), under({u"景观", u"A"})));
  EXPECT_FALSE(liesInFolder(under({u"景观", u"AB", u"x"}), under({u"景观", u"A"})));
  EXPECT_FALSE(liesInFolder(under({u"景观"}), under({u"景观", u"A"})));
  EXPECT_FALSE(liesInFolder(u"X" + under({u"景观", u"A"}), under({u"景观", u"A"})));
}

TEST(FirstFolderRun, ShowsOnlyTheFirstRunOfOneFolder) {
  std::vector<BlockRecord> available = {
      block(under({u"S", u"C1"}), u"1"), block(under({u"S", u"C1"}), u"2"),
      block(under({u"S", u"C2"}), u"3"), block(under({u"S", u"C1"}), u"4")};
  EXPECT_EQ(ids(firstFolderRun(available, under({u"S"}))), (std::vector<std::u16string>{u"1", u"2"}));
  EXPECT_EQ(ids(firstFolderRun(available, under({u"S", u"C2"}))), (std::vector<std::u16string>{u"3"}));
  EXPECT_EQ(ids(firstFolderRun(available, kRoot)), (std::vector<std::u16string>{u"1", u"2"}));
}

TEST(FirstFolderRun, ASpecialtyWhoseFirstCategoryIsEmptyShowsTheSecond) {
  // Other specialties' blocks before and between are passed over, not ending the run.
  std::vector<BlockRecord> available = {
      block(under({u"T", u"K"}), u"t1"), block(under({u"S", u"C2"}), u"1"),
      block(under({u"T", u"K"}), u"t2"), block(under({u"S", u"C2"}), u"2")};
  EXPECT_EQ(ids(firstFolderRun(available, under({u"S"}))), (std::vector<std::u16string>{u"1", u"2"}));
}

TEST(FirstFolderRun, ACategoryWithSubCategoriesShowsItsFirstSubCategoryThatHasBlocks) {
  std::vector<BlockRecord> available = {
      block(under({u"S", u"C", u"sub2"}), u"1"), block(under({u"S", u"C", u"sub3"}), u"2")};
  EXPECT_EQ(ids(firstFolderRun(available, under({u"S", u"C"}))), (std::vector<std::u16string>{u"1"}));
}

TEST(FirstFolderRun, CategoryANeverShowsTheBlocksOfItsSiblingAB) {
  std::vector<BlockRecord> available = {
      block(under({u"S", u"AB"}), u"ab1"), block(under({u"S", u"A"}), u"a1"),
      block(under({u"S", u"AB", u"x"}), u"ab2"), block(under({u"S", u"A"}), u"a2")};
  EXPECT_EQ(ids(firstFolderRun(available, under({u"S", u"A"}))), (std::vector<std::u16string>{u"a1", u"a2"}));
  EXPECT_EQ(ids(firstFolderRun(available, under({u"S", u"AB"}))), (std::vector<std::u16string>{u"ab1"}));
}

TEST(FirstFolderRun, NothingMatchingGivesAnEmptyList) {
  std::vector<BlockRecord> available = {block(under({u"S", u"C"}), u"1")};
  EXPECT_TRUE(firstFolderRun(available, under({u"S", u"D"})).empty());
  EXPECT_TRUE(firstFolderRun({}, kRoot).empty());
}

}  // namespace
