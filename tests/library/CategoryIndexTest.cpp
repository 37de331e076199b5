#include <gtest/gtest.h>

#include "library/CategoryIndex.h"
#include "LibraryFiles.h"
#include "support/TempFolder.h"

using namespace library;
using namespace library_tests;
using testing_support::TempFolder;

namespace {

struct Entry {
  EntryKind kind;
  std::u16string remoteName;
  std::u16string localName;
  bool operator==(const Entry&) const = default;
};

std::vector<Entry> entriesOf(std::u16string_view text, SpecialtyNumbers* numbers = nullptr) {
  IndexEntries entries;
  SpecialtyNumbers scratch;
  scanCategoryIndex(text, entries, numbers ? *numbers : scratch);
  EXPECT_EQ(entries.remoteNames.size(), entries.size());
  EXPECT_EQ(entries.localNames.size(), entries.size());
  std::vector<Entry> out;
  for (size_t i = 0; i < entries.size(); ++i)
    out.push_back({entries.kinds[i], entries.remoteNames[i], entries.localNames[i]});
  return out;
}

constexpr auto S = EntryKind::Specialty;
constexpr auto C = EntryKind::Category;
constexpr auto Sub = EntryKind::SubCategory;

}  // namespace

TEST(ScanCategoryIndex, ReadsSpecialtiesCategoriesAndSubCategoriesInFileOrder) {
  SpecialtyNumbers numbers;
  auto entries = entriesOf(
      u"<root>\n"
      u"<Folder name=\"Garden\" local=\"02_园林\"><Num>12</Num>\n"
      u"  <Parent name=\"Trees\" local=\"01_乔木\">\n"
      u"    <Child name=\"Pine\">松树</Child>\n"
      u"    <Child name=\"Oak\">栎树</Child>\n"
      u"  </Parent>\n"
      u"  <Parent name=\"Stones\" local=\"石头\"></Parent>\n"
      u"</Folder>\n"
      u"<Folder name=\"Power\" local=\"电气\"><Num>3</Num></Folder>\n"
      u"</root>",
      &numbers);
  std::vector<Entry> expected = {{S, u"Garden", u"02_园林"}, {C, u"Trees", u"01_乔木"},
                                 {Sub, u"Pine", u"松树"},    {Sub, u"Oak", u"栎树"},
                                 {C, u"Stones", u"石头"},    {S, u"Power", u"电气"}};
  EXPECT_EQ(entries, expected);
  EXPECT_EQ(numbers, (SpecialtyNumbers{u"12", u"3"}));
}

TEST(ScanCategoryIndex, AnEmptyTextOrOneWithoutFoldersGivesNothing) {
  SpecialtyNumbers numbers;
  EXPECT_TRUE(entriesOf(u"", &numbers).empty());
  EXPECT_TRUE(entriesOf(u"<root><Parent a=\"x\" b=\"y\"></Parent></root>", &numbers).empty());
  EXPECT_TRUE(numbers.empty());
}

TEST(ScanCategoryIndex, ASpecialtyWithoutNumTakesTheNextOne) {
  SpecialtyNumbers numbers;
  entriesOf(u"<Folder a=\"A\" b=\"A\"></Folder><Folder a=\"B\" b=\"B\"><Num>7</Num></Folder>"
            u"<Folder a=\"C\" b=\"C\"></Folder>",
            &numbers);
  EXPECT_EQ(numbers, (SpecialtyNumbers{u"7", u"7", u""}));
}

TEST(ScanCategoryIndex, SpecialtiesThatAllBorrowOneHugeNumberStopBeforeTheCopiesOutgrowTheText) {
  std::u16string text;
  for (int i = 0; i < 2000; ++i) text += u"<Folder a=\"A\" b=\"A\"></Folder>";
  text += u"<Folder a=\"B\" b=\"B\"><Num>" + std::u16string(20000, u'7') + u"</Num></Folder>";
  SpecialtyNumbers numbers;
  auto entries = entriesOf(text, &numbers);
  size_t copied = 0;
  for (const auto& n : numbers) copied += n.size();
  EXPECT_LE(copied, 4 * text.size() + 4096);
  EXPECT_GT(entries.size(), 0u);
  EXPECT_EQ(numbers.size(), entries.size());
}

TEST(ScanCategoryIndex, AnEmptyChildValueTakesTheTextUpToTheNextQuote) {
  auto entries = entriesOf(
      u"<Folder a=\"F\" b=\"F\"><Parent a=\"P\" b=\"P\"><Child n=\"\">Oak</Child><Child n=\"x\">Elm</Child>"
      u"</Parent></Folder>");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[2], (Entry{Sub, u"\">Oak</Child><Child n=", u"Elm"}));
  EXPECT_EQ(entries[3], (Entry{Sub, u"x", u"Elm"}));
}

TEST(ScanCategoryIndex, AnEmptyChildTextRunsToTheFollowingTag) {
  auto entries = entriesOf(
      u"<Folder a=\"F\" b=\"F\"><Parent a=\"P\" b=\"P\"><Child n=\"c\"></Child><Child n=\"d\">D</Child>"
      u"</Parent></Folder>");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[2], (Entry{Sub, u"c", u"</Child>"}));
  EXPECT_EQ(entries[3], (Entry{Sub, u"d", u"D"}));
}

TEST(ScanCategoryIndex, AnEmptySecondParentValueTakesTheTextUpToTheNextQuote) {
  auto entries = entriesOf(u"<Folder a=\"F\" b=\"F\"><Parent a=\"P\" b=\"\" c=\"z\"></Parent></Folder>");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1], (Entry{C, u"P", u"\" c="}));
}

TEST(ScanCategoryIndex, MissingClosingTagsEndTheirListAfterTheirOwnEntry) {
  // No "</Folder": the specialty's categories are not read and no later specialty is found.
  EXPECT_EQ(entriesOf(u"<Folder a=\"A\" b=\"A\"><Parent a=\"p\" b=\"p\"></Parent>"
                      u"<Folder a=\"B\" b=\"B\">x"),
            (std::vector<Entry>{{S, u"A", u"A"}}));
  // No "</Parent>": the category list of that specialty ends, the next specialty is read.
  EXPECT_EQ(entriesOf(u"<Folder a=\"A\" b=\"A\"><Parent a=\"p\" b=\"p\"><Child n=\"c\">c</Child>"
                      u"<Parent a=\"q\" b=\"q\"></Folder><Folder a=\"B\" b=\"B\"></Folder>"),
            (std::vector<Entry>{{S, u"A", u"A"}, {C, u"p", u"p"}, {S, u"B", u"B"}}));
  // No "</Child>": the sub-category list ends after that sub-category.
  EXPECT_EQ(entriesOf(u"<Folder a=\"A\" b=\"A\"><Parent a=\"p\" b=\"p\"><Child n=\"c\">c<Child n=\"d\">d"
                      u"</Parent><Parent a=\"q\" b=\"q\"></Parent></Folder>"),
            (std::vector<Entry>{{S, u"A", u"A"}, {C, u"p", u"p"}, {Sub, u"c", u"c"}, {C, u"q", u"q"}}));
}

TEST(ScanCategoryIndex, ACategoryOutsideItsSpecialtyIsNotRead) {
  EXPECT_EQ(entriesOf(u"<Folder a=\"A\" b=\"A\"></Folder><Parent a=\"p\" b=\"p\"></Parent>"
                      u"<Folder a=\"B\" b=\"B\"></Folder>"),
            (std::vector<Entry>{{S, u"A", u"A"}, {S, u"B", u"B"}}));
}

TEST(ParseCategoryIndex, IgnoresEverythingAfterTheFirstRootAndReplacesOldEntries) {
  TempFolder dir;
  const auto path = dir.file(u"InkCasket.xml");
  writeFile(path, std::string_view("\xEF\xBB\xBF<root><Folder a=\"A\" b=\"A\"><Num>1</Num></Folder></root>\r\n"
                                   "<root><Folder a=\"B\" b=\"B\"><Num>2</Num></Folder></root>"));
  IndexEntries entries;
  entries.kinds = {EntryKind::Category};
  entries.remoteNames = {u"old"};
  entries.localNames = {u"old"};
  SpecialtyNumbers numbers = {u"kept"};
  parseCategoryIndex(path, entries, numbers);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries.remoteNames[0], u"A");
  EXPECT_EQ(numbers, (SpecialtyNumbers{u"kept", u"1"}));
}
