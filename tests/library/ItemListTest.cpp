#include <gtest/gtest.h>

#include "library/ItemList.h"
#include "LibraryFiles.h"
#include "support/TempFolder.h"

using namespace library;
using namespace library_tests;
using testing_support::TempFolder;

namespace {

const CategoryRow kRow{RowLevel::Category, u"http://h/InkCasket/G/T", u"/lib/G/T"};

std::u16string item(std::u16string_view id, std::u16string_view name, std::u16string_view tail = {}) {
  std::u16string text = u"<Item id=\"";
  text.append(id).append(u"\"><Name>").append(name).append(u"</Name><Spec>s</Spec><Detail>d</Detail>");
  text.append(u"<Mfrs>m</Mfrs><Url>u</Url>").append(tail).append(u"</Item>\n");
  return text;
}

BlockList scan(std::u16string_view text) {
  BlockList blocks;
  scanItemList(text, kRow, blocks);
  return blocks;
}

std::vector<std::u16string> idsOf(const BlockList& blocks) {
  std::vector<std::u16string> ids;
  for (const auto& b : blocks) ids.push_back(b.id);
  return ids;
}

}  // namespace

TEST(ScanItemList, ReadsEveryFieldAndTakesTheFolderFromTheRow) {
  auto blocks = scan(u"<root><Item id=\" 12 \"><Name>Oak.dwg</Name><Spec>3m</Spec><Detail>落叶</Detail>"
                     u"<Mfrs>园艺</Mfrs><Url>http://x/oak</Url></Item></root>");
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0], (BlockRecord{kRow.folderUrl, kRow.folder, u"12", u"Oak", u"3m", u"落叶", u"园艺",
                                    u"http://x/oak"}));
}

TEST(ScanItemList, RemovesOnlyTheTwoSpellingsOfTheExtension) {
  auto blocks = scan(item(u"1", u"Oak.dwg") + item(u"2", u"Oak.DWG") + item(u"3", u"Oak.Dwg") +
                     item(u"4", u"a.dwg.DWGb"));
  ASSERT_EQ(blocks.size(), 4u);
  EXPECT_EQ(blocks[0].name, u"Oak");
  EXPECT_EQ(blocks[1].name, u"Oak");
  EXPECT_EQ(blocks[2].name, u"Oak.Dwg");
  EXPECT_EQ(blocks[3].name, u"ab");
}

TEST(ScanItemList, KeepsValuesAsTheyStand) {
  auto blocks = scan(u"<Item id=\"1\"><Name> Oak </Name><Spec>a &amp; b</Spec><Detail></Detail>"
                     u"<Mfrs>no</Mfrs><Url></Url></Item>");
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0].name, u" Oak ");
  EXPECT_EQ(blocks[0].spec, u"a &amp; b");
  EXPECT_EQ(blocks[0].detail, u"");
  EXPECT_EQ(blocks[0].mfrs, u"no");
  EXPECT_EQ(blocks[0].url, u"");
}

TEST(ScanItemList, TwoItemsWithOneIdAreBothListed) {
  EXPECT_EQ(idsOf(scan(item(u"7", u"A") + item(u"7", u"B"))), (std::vector<std::u16string>{u"7", u"7"}));
}

TEST(ScanItemList, AnItemWithoutDetailBorrowsFromTheNextItem) {
  auto blocks = scan(u"<Item id=\"a\"><Name>NA</Name><Spec>SA</Spec><Mfrs>MA</Mfrs><Url>UA</Url></Item>"
                     u"<Item id=\"b\"><Name>NB</Name><Spec>SB</Spec><Detail>DB</Detail><Mfrs>MB</Mfrs>"
                     u"<Url>UB</Url></Item>");
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0], (BlockRecord{kRow.folderUrl, kRow.folder, u"a", u"NA", u"SA", u"DB", u"MB", u"UB"}));
  EXPECT_EQ(blocks[1], (BlockRecord{kRow.folderUrl, kRow.folder, u"b", u"NB", u"SB", u"DB", u"MB", u"UB"}));
}

TEST(ScanItemList, ALastItemWithoutDetailIsDropped) {
  auto blocks = scan(item(u"a", u"A") + u"<Item id=\"b\"><Name>B</Name><Spec>s</Spec><Mfrs>m</Mfrs><Url>u</Url></Item>");
  EXPECT_EQ(idsOf(blocks), (std::vector<std::u16string>{u"a"}));
}

TEST(ScanItemList, ATagMissingFromTheRestOfTheFileEndsTheScan) {
  auto blocks = scan(item(u"a", u"A") + u"<Item id=\"b\"><Name>B</Name><Spec>s</Spec><Mfrs>m</Mfrs><Url>u</Url>"
                     u"</Item>" + item(u"c", u"C"));
  // b takes c's detail, then c's <Mfrs and <Url; c is read in its own turn.
  EXPECT_EQ(idsOf(blocks), (std::vector<std::u16string>{u"a", u"b", u"c"}));
  blocks = scan(item(u"a", u"A") + u"<Item id=\"b\"><Name>B</Name><Spec>s</Spec><Mfrs>m</Mfrs><Url>u</Url>"
                u"</Item>" + u"<Item id=\"c\"><Name>C</Name></Item>");
  EXPECT_EQ(idsOf(blocks), (std::vector<std::u16string>{u"a"}));
}

TEST(ScanItemList, ItemsThatAllBorrowOneHugeValueStopBeforeTheCopiesOutgrowTheText) {
  // Every item lacks <Url, so each would copy the one far ahead: memory by the square of the size.
  std::u16string text;
  for (int i = 0; i < 2000; ++i)
    text += u"<Item id=\"" + std::u16string(1, char16_t(u'a' + i % 26)) +
            u"\"><Name>n</Name><Spec>s</Spec><Detail>d</Detail><Mfrs>m</Mfrs></Item>\n";
  text += u"<Item id=\"last\"><Name>n</Name><Spec>s</Spec><Detail>d</Detail><Mfrs>m</Mfrs><Url>" +
          std::u16string(20000, u'x') + u"</Url></Item>\n";
  BlockList blocks = scan(text);
  size_t copied = 0;
  for (const auto& b : blocks) copied += b.url.size();
  EXPECT_LE(copied, 4 * text.size() + 4096);
  EXPECT_GT(blocks.size(), 0u);  // what was read before the budget ran out stays
  EXPECT_LT(blocks.size(), 2000u);
}

TEST(ScanItemList, IdsAreTrimmedAndTakenFromTheFirstQuotedValue) {
  auto blocks = scan(u"<Item key=\"\t 5 \r\n\" other=\"9\"><Name>N</Name><Spec/><Detail/><Mfrs/><Url/></Item>");
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0].id, u"5");
  EXPECT_EQ(blocks[0].spec, u"");
}

TEST(ScanItemList, AnItemWhoseNameLeavesTheFolderIsNotListed) {
  auto blocks = scan(item(u"1", u"../up") + item(u"2", u"a\\b") + item(u"3", u"") + item(u"4", u"..dwg") +
                     item(u"5", u"c:x") + item(u"6", u"Good") + item(u"7", u"tab\there"));
  EXPECT_EQ(idsOf(blocks), (std::vector<std::u16string>{u"6"}));
}

TEST(ScanItemListWithPath, TakesTheFolderFromPathAndLeavesTheUrlEmpty) {
  BlockList blocks;
  scanItemListWithPath(item(u"1", u"Oak", u"<Path>/lib/G/T</Path>") + item(u"2", u"../odd", u"<Path>/x</Path>") +
                           item(u"3", u"Elm"),
                       blocks);
  // The recently-used list is the user's own file: its names are not screened; the last item has no
  // <Path anywhere after it and ends the scan.
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0], (BlockRecord{u"", u"/lib/G/T", u"1", u"Oak", u"s", u"d", u"m", u"u"}));
  EXPECT_EQ(blocks[1].name, u"../odd");
}

TEST(ParseItemList, ReadsTheFileAndAppends) {
  TempFolder dir;
  writeFile(dir.file(u"FileList.xml"), u"\xFEFF<root>\r\n" + item(u"1", u"A") + u"</root>" + item(u"2", u"B"));
  BlockList blocks = {BlockRecord{}};
  parseItemList(dir.file(u"FileList.xml"), kRow, blocks);
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[1].id, u"1");
  parseItemList(dir.file(u"missing.xml"), kRow, blocks);
  EXPECT_EQ(blocks.size(), 2u);
}

TEST(ScanItemList, ASizeAfterTheUrlGivesTheBlocksBytesAndChangesNothingElse) {
  auto blocks = scan(item(u"1", u"A", u"<Size>5000</Size>") + item(u"2", u"B") + item(u"3", u"C", u"<Size> 12 </Size>") +
                     item(u"4", u"D", u"<Size>12a</Size>") + item(u"5", u"E", u"<Size></Size>") +
                     item(u"6", u"F", u"<Size>99999999999999999999</Size>") + item(u"7", u"G", u"<Size>0</Size>"));
  ASSERT_EQ(blocks.size(), 7u);
  std::vector<std::optional<uint64_t>> sizes;
  for (const BlockRecord& b : blocks) sizes.push_back(b.size);
  // Item 2 has none of its own: the next item's <Size> is not borrowed.
  EXPECT_EQ(sizes, (std::vector<std::optional<uint64_t>>{5000, std::nullopt, 12, std::nullopt, std::nullopt,
                                                         std::nullopt, 0}));
  EXPECT_EQ(blocks[0], (BlockRecord{kRow.folderUrl, kRow.folder, u"1", u"A", u"s", u"d", u"m", u"u", 5000}));
  EXPECT_EQ(blocks[6].name, u"G");

  BlockList recent;
  scanItemListWithPath(item(u"1", u"Oak", u"<Size>7</Size><Path>/lib/G/T</Path>"), recent);
  ASSERT_EQ(recent.size(), 1u);
  EXPECT_EQ(recent[0], (BlockRecord{u"", u"/lib/G/T", u"1", u"Oak", u"s", u"d", u"m", u"u"}));
}
