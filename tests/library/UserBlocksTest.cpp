#include <gtest/gtest.h>

#include "base/Text.h"
#include "library/UserBlockFile.h"
#include "library/UserBlocks.h"
#include "LibraryFiles.h"
#include "support/TempFolder.h"

using namespace library;
using namespace library_tests;
using testing_support::TempFolder;

TEST(AddUserBlocks, SortsAndDropsDuplicates) {
  PathList paths;
  addUserBlocks(paths, {u"c:\\b.dwg"});
  addUserBlocks(paths, {u"c:\\a.dwg"});
  EXPECT_EQ(paths, (PathList{u"c:\\a.dwg", u"c:\\b.dwg"}));
  addUserBlocks(paths, {u"c:\\b.dwg", u"C:\\b.dwg", u"c:\\b.dwg"});
  EXPECT_EQ(paths, (PathList{u"C:\\b.dwg", u"c:\\a.dwg", u"c:\\b.dwg"}));
}

TEST(ShownUserBlocks, LeavesOutFilesThatAreGone) {
  TempFolder dir;
  writeFile(dir.file(u"b.dwg"), std::string_view("x"));
  PathList paths = {dir.file(u"a.dwg"), dir.file(u"b.dwg")};
  EXPECT_EQ(shownUserBlocks(paths), (PathList{dir.file(u"b.dwg")}));
}

TEST(DeleteUserBlock, RemovesEveryCopy) {
  PathList paths = {u"/one.dwg", u"/two.dwg", u"/one.dwg"};
  EXPECT_TRUE(deleteUserBlock(paths, u"/one.dwg"));
  EXPECT_EQ(paths, (PathList{u"/two.dwg"}));
  EXPECT_FALSE(deleteUserBlock(paths, u"/one.dwg"));
}

TEST(SaveUserBlocks, WritesTheExactFormatIncludingFilesThatAreGone) {
  TempFolder root;
  ASSERT_EQ(saveUserBlocks(root.path(), UserBlockEdits{{u"c:\\图\\a.dwg", root.file(u"gone.dwg")}, {}}),
            SaveOutcome::Written);
  EXPECT_EQ(readBytes(root.file(u"UserBlock.xml")),
            "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root>\r"
            "<Item>" + base::toUtf8(root.file(u"gone.dwg")) + "</Item>\r<Item>c:\\\xE5\x9B\xBE\\a.dwg</Item>\r"
            "</root>\r");
}

TEST(SaveUserBlocks, TheFirstSaveOfAnEmptyListWritesThreeLines) {
  TempFolder root;
  ASSERT_EQ(saveUserBlocks(root.path(), {}), SaveOutcome::Written);
  EXPECT_EQ(readBytes(root.file(u"UserBlock.xml")),
            "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root>\r</root>\r");
}

TEST(LoadUserBlocks, TheFirstStartLeavesAnEmptyFileAndAnEmptyList) {
  TempFolder root;
  PathList paths;
  loadUserBlocks(root.path(), paths);
  EXPECT_TRUE(paths.empty());
  EXPECT_TRUE(base::files::exists(root.file(u"UserBlock.xml")));
  EXPECT_EQ(readBytes(root.file(u"UserBlock.xml")), "");
  // The empty file is an empty list, not an unreadable one.
  EXPECT_TRUE(loadUserBlocks(root.path(), paths));
  EXPECT_TRUE(paths.empty());
}

TEST(LoadUserBlocks, ReadsOtherEncodingsAndOnlyItemChildrenOfTheRoot) {
  TempFolder root;
  std::u16string text = u"<?xml version=\"1.0\"?><root><Item>c:\\x&amp;y.dwg</Item><Other>no</Other>"
                        u"<Items>no</Items><Item>d:\\园林.dwg</Item></root>";
  std::string utf16 = "\xFF\xFE";
  for (char16_t c : text) {
    utf16 += char(c & 0xFF);
    utf16 += char(c >> 8);
  }
  writeFile(root.file(u"UserBlock.xml"), std::string_view(utf16));
  PathList loaded;
  loadUserBlocks(root.path(), loaded);
  EXPECT_EQ(loaded, (PathList{u"c:\\x&y.dwg", u"d:\\园林.dwg"}));
}
