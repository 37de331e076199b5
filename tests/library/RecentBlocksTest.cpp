#include <gtest/gtest.h>

#include "base/Text.h"
#include "library/RecentBlocks.h"
#include "LibraryFiles.h"
#include "support/TempFolder.h"

using namespace library;
using namespace library_tests;
using testing_support::TempFolder;

namespace {

BlockRecord block(std::u16string id, std::u16string name = u"N") {
  return BlockRecord{u"http://h/G/T", u"/lib/G/T", std::move(id), std::move(name), u"S", u"D", u"M", u"U"};
}

std::vector<std::u16string> idsOf(const BlockList& blocks) {
  std::vector<std::u16string> ids;
  for (const auto& b : blocks) ids.push_back(b.id);
  return ids;
}

}  // namespace

TEST(RecordRecentBlock, MovesTheChosenBlockToTheFrontWithoutDuplicates) {
  BlockList recent;
  recordRecentBlock(recent, block(u"A"));
  recordRecentBlock(recent, block(u"B"));
  recordRecentBlock(recent, block(u"C"));
  recordRecentBlock(recent, block(u"A"));
  EXPECT_EQ(idsOf(recent), (std::vector<std::u16string>{u"A", u"C", u"B"}));
}

TEST(RecordRecentBlock, ADifferentBlockWithTheSameIdReplacesTheOldEntry) {
  BlockList recent;
  recordRecentBlock(recent, block(u"7", u"Oak"));
  recordRecentBlock(recent, block(u"8", u"Elm"));
  recordRecentBlock(recent, block(u"7", u"Pine"));
  ASSERT_EQ(recent.size(), 2u);
  EXPECT_EQ(recent[0].name, u"Pine");
  EXPECT_EQ(recent[1].name, u"Elm");
}

TEST(SaveRecentBlocks, WritesTheExactFormat) {
  TempFolder root;
  BlockList recent = {block(u"12", u"Oak"), BlockRecord{u"", u"/x", u"3", u"图块", u"", u"", u"", u"no"}};
  ASSERT_EQ(saveRecentBlocks(root.path(), recent), SaveOutcome::Written);
  EXPECT_EQ(readBytes(root.file(u"RecentlyUse.xml")),
            "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root escaped=\"1\">\r"
            "<Item id= \"12\"><Name>Oak</Name><Spec>S</Spec><Detail>D</Detail><Mfrs>M</Mfrs><Url>U</Url>"
            "<Path>/lib/G/T</Path></Item>\r"
            "<Item id= \"3\"><Name>\xE5\x9B\xBE\xE5\x9D\x97</Name><Spec></Spec><Detail></Detail><Mfrs></Mfrs>"
            "<Url>no</Url><Path>/x</Path></Item>\r"
            "</root>\r");
}

TEST(SaveRecentBlocks, AnEmptyListWritesThreeLines) {
  TempFolder root;
  ASSERT_EQ(saveRecentBlocks(root.path(), {}), SaveOutcome::Written);
  EXPECT_EQ(readBytes(root.file(u"RecentlyUse.xml")),
            "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root escaped=\"1\">\r</root>\r");
}

TEST(SaveRecentBlocks, AWrittenFileReadsBackWithoutTheUrlOfTheFolder) {
  TempFolder root;
  BlockList recent = {block(u"1", u"Oak"), block(u"2", u"Elm")};
  recent[1].detail = u"two\nlines";
  saveRecentBlocks(root.path(), recent);
  BlockList loaded;
  loadRecentBlocks(root.path(), loaded);
  ASSERT_EQ(loaded.size(), 2u);
  for (auto& b : recent) b.folderUrl.clear();
  EXPECT_EQ(loaded, recent);
}

TEST(SaveRecentBlocks, KeepsTheFiveHundredMostRecent) {
  TempFolder root;
  BlockList recent;
  for (int i = 0; i < 501; ++i) recordRecentBlock(recent, block(base::decimal(i)));
  ASSERT_EQ(recent.size(), 501u);
  saveRecentBlocks(root.path(), recent);
  BlockList loaded;
  loadRecentBlocks(root.path(), loaded);
  ASSERT_EQ(loaded.size(), 500u);
  EXPECT_EQ(loaded.front().id, u"500");
  EXPECT_EQ(loaded.back().id, u"1");
}

TEST(LoadRecentBlocks, AppendsAndLeavesTheListAloneWithoutAFile) {
  TempFolder root;
  BlockList recent = {block(u"x")};
  loadRecentBlocks(root.path(), recent);
  EXPECT_EQ(recent.size(), 1u);
  writeFile(root.file(u"RecentlyUse.xml"),
            std::string_view("<root>\r<Item id= \"9\"><Name>N</Name><Spec>S</Spec><Detail>D</Detail>"
                             "<Mfrs>M</Mfrs><Url>U</Url><Path>/p</Path></Item>\r</root>\r"));
  loadRecentBlocks(root.path(), recent);
  EXPECT_EQ(idsOf(recent), (std::vector<std::u16string>{u"x", u"9"}));
}
