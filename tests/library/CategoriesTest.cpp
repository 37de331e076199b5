#include <gtest/gtest.h>

#include "base/Files.h"
#include "base/Profile.h"
#include "base/Text.h"
#include "library/Categories.h"
#include "library/SafeName.h"
#include "library/Selection.h"
#include "LibraryFiles.h"
#include "support/TempFolder.h"

using namespace library;
using namespace library_tests;
using testing_support::TempFolder;

namespace {

constexpr char16_t kBase[] = u"http://127.0.0.1:8480/InkCasket";

class RebuildCategories : public ::testing::Test {
protected:
  void SetUp() override {
    place_.dataRoot = dir_.file(u"data");
    place_.programFolder = dir_.file(u"program");
    place_.libraryBaseUrl = kBase;
    base::files::createDirectory(place_.dataRoot);
    base::files::createDirectory(place_.programFolder);
  }

  void writeIndex(std::u16string_view text) { writeFile(in(place_.dataRoot, u"InkCasket.xml"), text); }
  void select(const std::u16string& selection) { writeSelection(place_.dataRoot, selection); }
  std::u16string folder(std::u16string_view name) const { return in(place_.dataRoot, name); }

  // Three specialties, each with one category.
  static std::u16string threeSpecialties() {
    std::u16string text = u"<root>";
    for (const char16_t* name : {u"A", u"B", u"C"}) {
      std::u16string n = name;
      text += u"<Folder r=\"r" + n + u"\" l=\"" + n + u"\"><Num>" + n + u"</Num>";
      text += u"<Parent r=\"rp" + n + u"\" l=\"p" + n + u"\"></Parent></Folder>";
    }
    return text + u"</root>";
  }

  std::vector<std::u16string> texts(const std::vector<size_t>& nodes) const {
    std::vector<std::u16string> out;
    for (size_t n : nodes) out.push_back(categories_.tree.nodes()[n].text);
    return out;
  }

  TempFolder dir_;
  LibraryPlace place_;
  Categories categories_;
};

}  // namespace

TEST_F(RebuildCategories, AnEmptyIndexGivesTheFixedNodesOnly) {
  writeIndex(u"");
  ASSERT_TRUE(rebuildCategories(place_, categories_));
  const CategoryTree& tree = categories_.tree;
  ASSERT_EQ(categories_.table.size(), 1u);
  EXPECT_EQ(categories_.table[0].level, RowLevel::Root);
  EXPECT_EQ(categories_.table[0].folderUrl, kBase);
  EXPECT_EQ(categories_.table[0].folder, place_.dataRoot);
  EXPECT_TRUE(categories_.specialtyRows.empty());

  EXPECT_EQ(texts(tree.children(kNoNode)), (std::vector<std::u16string>{u"图库", u"自定义图库"}));
  size_t root = tree.items()[CategoryTree::kRootItem];
  EXPECT_TRUE(tree.nodes()[root].expanded);
  EXPECT_EQ(texts(tree.children(root)), (std::vector<std::u16string>{u"最近使用"}));
  EXPECT_EQ(tree.items().size(), 2u);
  EXPECT_EQ(tree.items()[CategoryTree::kRecentItem], tree.children(root)[0]);
  EXPECT_EQ(texts(tree.customItems()), (std::vector<std::u16string>{u"已有图块", u"添加图块"}));
  EXPECT_EQ(tree.children(tree.customNode()), tree.customItems());
}

TEST_F(RebuildCategories, RowsFoldersUrlsAndTreeNodesFollowTheIndex) {
  writeIndex(u"<root><Folder r=\"Garden\" l=\"02_园林\"><Num>5</Num>"
             u"<Parent r=\"Trees\" l=\"01_乔木\"><Child r=\"Pine\">松树</Child></Parent>"
             u"<Parent r=\"Stones\" l=\"ABCD_x\"></Parent></Folder></root>");
  select(u"1");
  ASSERT_TRUE(rebuildCategories(place_, categories_));
  const auto& t = categories_.table;
  ASSERT_EQ(t.size(), 5u);
  const std::u16string garden = folder(u"02_园林");
  const std::u16string trees = in(garden, u"01_乔木");
  EXPECT_EQ(t[1].level, RowLevel::Specialty);
  EXPECT_EQ(t[1].folderUrl, std::u16string(kBase) + u"/Garden");
  EXPECT_EQ(t[1].folder, garden);
  EXPECT_EQ(t[2].level, RowLevel::Category);
  EXPECT_EQ(t[2].folderUrl, std::u16string(kBase) + u"/Garden/Trees");
  EXPECT_EQ(t[2].folder, trees);
  EXPECT_EQ(t[3].level, RowLevel::SubCategory);
  EXPECT_EQ(t[3].folderUrl, std::u16string(kBase) + u"/Garden/Trees/Pine");
  EXPECT_EQ(t[3].folder, in(trees, u"松树"));
  EXPECT_EQ(t[4].folder, in(garden, u"ABCD_x"));
  EXPECT_EQ(categories_.specialtyRows, (std::vector<size_t>{1}));
  EXPECT_EQ(categories_.specialtyNumbers, (SpecialtyNumbers{u"5"}));
  EXPECT_EQ(categories_.gallerySelection, u"1");

  const CategoryTree& tree = categories_.tree;
  ASSERT_EQ(tree.items().size(), t.size() + 1);
  size_t root = tree.nodeOfRow(0);
  EXPECT_EQ(texts(tree.children(root)), (std::vector<std::u16string>{u"最近使用", u"园林"}));
  EXPECT_EQ(texts(tree.children(tree.nodeOfRow(1))), (std::vector<std::u16string>{u"乔木", u"ABCD_x"}));
  EXPECT_EQ(texts(tree.children(tree.nodeOfRow(2))), (std::vector<std::u16string>{u"松树"}));
  size_t row = 0;
  ASSERT_TRUE(tree.rowOfNode(tree.nodeOfRow(3), row));
  EXPECT_EQ(row, 3u);
  EXPECT_FALSE(tree.rowOfNode(tree.items()[CategoryTree::kRecentItem], row));
  for (size_t r = 1; r < t.size(); ++r) EXPECT_TRUE(base::files::isDirectory(t[r].folder)) << r;
}

TEST_F(RebuildCategories, ASelectionOfOneWalksOnlyTheFirstSpecialty) {
  writeIndex(threeSpecialties());
  select(u"1");
  ASSERT_TRUE(rebuildCategories(place_, categories_));
  ASSERT_EQ(categories_.table.size(), 3u);
  EXPECT_EQ(categories_.table[1].folder, folder(u"A"));
  EXPECT_EQ(categories_.table[2].folder, in(folder(u"A"), u"pA"));
  EXPECT_EQ(categories_.specialtyNumbers.size(), 3u);
  EXPECT_FALSE(base::files::exists(folder(u"B")));
  EXPECT_FALSE(base::files::exists(folder(u"C")));
}

TEST_F(RebuildCategories, ASwitchedOffSpecialtyIsSkippedWithItsCategories) {
  writeIndex(threeSpecialties());
  select(u"01");
  ASSERT_TRUE(rebuildCategories(place_, categories_));
  ASSERT_EQ(categories_.table.size(), 3u);
  EXPECT_EQ(categories_.table[1].folder, folder(u"B"));
  EXPECT_EQ(categories_.table[1].folderUrl, std::u16string(kBase) + u"/rB");
  EXPECT_EQ(categories_.table[2].folder, in(folder(u"B"), u"pB"));
  EXPECT_EQ(categories_.specialtyRows, (std::vector<size_t>{1}));
  EXPECT_FALSE(base::files::exists(folder(u"A")));
  EXPECT_EQ(texts(categories_.tree.children(categories_.tree.nodeOfRow(0))),
            (std::vector<std::u16string>{u"最近使用", u"B"}));
}

TEST_F(RebuildCategories, TheDefaultSelectionShowsFiveOfElevenSpecialties) {
  std::u16string text = u"<root>";
  for (int n = 0; n < 11; ++n) {
    std::u16string name = u"S" + base::decimal(n);
    text += u"<Folder r=\"" + name + u"\" l=\"" + name + u"\"></Folder>";
  }
  writeIndex(text + u"</root>");
  ASSERT_TRUE(rebuildCategories(place_, categories_));
  EXPECT_EQ(categories_.gallerySelection, u"11001011000");
  EXPECT_FALSE(base::files::exists(settingsFile(place_.dataRoot)));
  std::vector<std::u16string> shown;
  for (size_t row : categories_.specialtyRows) shown.emplace_back(base::fileNamePart(categories_.table[row].folder));
  EXPECT_EQ(shown, (std::vector<std::u16string>{u"S0", u"S1", u"S4", u"S6", u"S7"}));
  for (int n : {2, 3, 5, 8, 9, 10}) EXPECT_FALSE(base::files::exists(folder(u"S" + base::decimal(n))));
}

TEST_F(RebuildCategories, ASubCategoryBeforeAnyCategoryIsSkipped) {
  writeIndex(u"<Folder r=\"A\" l=\"A\"><Child r=\"c\">orphan</Child>"
             u"<Parent r=\"p\" l=\"p\"><Child r=\"d\">d</Child></Parent></Folder>");
  select(u"1");
  ASSERT_TRUE(rebuildCategories(place_, categories_));
  // The scan does not see a <Child outside a <Parent, so here the index holds none.
  ASSERT_EQ(categories_.table.size(), 4u);
  EXPECT_EQ(categories_.table[3].folder, in(in(folder(u"A"), u"p"), u"d"));

  categories_.entries.kinds = {EntryKind::Specialty, EntryKind::SubCategory, EntryKind::Category,
                               EntryKind::SubCategory};
  categories_.entries.remoteNames = {u"A", u"c", u"p", u"d"};
  categories_.entries.localNames = {u"A", u"orphan", u"p", u"d"};
  buildCategories(place_, categories_);
  ASSERT_EQ(categories_.table.size(), 4u);
  EXPECT_EQ(categories_.table[2].folder, in(folder(u"A"), u"p"));
  EXPECT_TRUE(categories_.refusedEntries.empty());
}

TEST_F(RebuildCategories, TheDefaultIndexIsCopiedOnlyWhenTheLibraryHasNone) {
  writeFile(in(place_.programFolder, u"InkCasket.xml"), std::u16string_view(u"<Folder r=\"D\" l=\"D\"></Folder>"));
  select(u"1");
  ASSERT_TRUE(rebuildCategories(place_, categories_));
  ASSERT_EQ(categories_.table.size(), 2u);
  EXPECT_EQ(categories_.table[1].folder, folder(u"D"));
  EXPECT_TRUE(base::files::exists(folder(u"InkCasket.xml")));

  writeIndex(u"<Folder r=\"E\" l=\"E\"></Folder>");
  ASSERT_TRUE(rebuildCategories(place_, categories_));
  EXPECT_EQ(categories_.table[1].folder, folder(u"E"));
}

TEST_F(RebuildCategories, WithoutAnyIndexTheListsAreEmptiedAndTheTreeIsLeft) {
  writeIndex(threeSpecialties());
  select(u"111");
  ASSERT_TRUE(rebuildCategories(place_, categories_));
  const size_t nodesBefore = categories_.tree.nodes().size();
  base::files::remove(folder(u"InkCasket.xml"));
  EXPECT_FALSE(rebuildCategories(place_, categories_));
  EXPECT_EQ(categories_.entries.size(), 0u);
  EXPECT_TRUE(categories_.specialtyNumbers.empty());
  EXPECT_TRUE(categories_.table.empty());
  EXPECT_TRUE(categories_.specialtyRows.empty());
  EXPECT_EQ(categories_.tree.nodes().size(), nodesBefore);
}

TEST_F(RebuildCategories, UnsafeLocalNamesAreRefusedWithEverythingBelowThem) {
  writeIndex(u"<Folder r=\"a\" l=\"../escape\"><Parent r=\"p\" l=\"p\"></Parent></Folder>"
             u"<Folder r=\"b\" l=\"B\">"
             u"<Parent r=\"q\" l=\"C:evil\"><Child r=\"c\">c</Child></Parent>"
             u"<Parent r=\"..\" l=\"ok\"><Child r=\"d\">..</Child><Child r=\"e\">e|f</Child>"
             u"<Child r=\"g\">g</Child></Parent>"
             u"</Folder>"
             u"<Folder r=\"c\" l=\"..\"></Folder><Folder r=\"d\" l=\"D\"></Folder>");
  select(u"1111");
  ASSERT_TRUE(rebuildCategories(place_, categories_));
  std::vector<std::u16string> folders;
  for (const auto& row : categories_.table) folders.push_back(row.folder);
  const std::u16string b = folder(u"B");
  EXPECT_EQ(folders, (std::vector<std::u16string>{place_.dataRoot, b, in(b, u"ok"), in(in(b, u"ok"), u"g"),
                                                  folder(u"D")}));
  // The remote name only forms a URL and is kept.
  EXPECT_EQ(categories_.table[2].folderUrl, std::u16string(kBase) + u"/b/..");
  EXPECT_EQ(categories_.specialtyRows, (std::vector<size_t>{1, 4}));
  EXPECT_EQ(categories_.refusedEntries, (std::vector<size_t>{0, 3, 6, 7, 9}));
  EXPECT_FALSE(base::files::exists(dir_.file(u"escape")));
}

TEST(SafeLocalName, RefusesNamesThatLeaveTheirFolderOrThatWindowsChanges) {
  for (std::u16string_view bad : {u"", u".", u"..", u"a\\b", u"a/b", u"c:", u"a*", u"a?", u"\"a\"", u"<a",
                                  u"a>", u"a|b", u"a\tb", u"a\nb", u"\x7f", u"CON", u"nul", u"Aux.dwg", u"COM1",
                                  u"lpt9.x"})
    EXPECT_FALSE(isSafeLocalName(bad)) << base::toUtf8(bad);
  for (std::u16string_view good : {u"01_Trees", u".hidden", u"园林 景观", u"a.b", u"a-b_(c)", u"CONSOLE",
                                   u"COM0", u"COM10", u"nul_", u" Oak ", u"a."})
    EXPECT_TRUE(isSafeLocalName(good)) << base::toUtf8(good);
  // As folders, names ending in a dot or a blank are refused too.
  for (std::u16string_view bad : {u"...", u"a.", u"a ", u"CON"}) EXPECT_FALSE(isSafeFolderName(bad)) << base::toUtf8(bad);
  EXPECT_TRUE(isSafeFolderName(u"01_Trees"));
}
