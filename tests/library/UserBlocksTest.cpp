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

TEST(DeleteUserBlock, ResolvesThePositionAgainstThePathsShown) {
  PathList paths = {u"/gone.dwg", u"/one.dwg", u"/two.dwg"};
  const PathList shown = {u"/one.dwg", u"/two.dwg"};
  EXPECT_FALSE(deleteUserBlock(paths, shown, 2));
  EXPECT_FALSE(deleteUserBlock(paths, shown, -1));
  EXPECT_EQ(paths.size(), 3u);
  EXPECT_TRUE(deleteUserBlock(paths, shown, 0));
  EXPECT_EQ(paths, (PathList{u"/gone.dwg", u"/two.dwg"}));
  EXPECT_FALSE(deleteUserBlock(paths, shown, 0));
}

TEST(UserBlockName, IsTheFileNameWithoutFolderAndExtension) {
  EXPECT_EQ(userBlockName(u"c:\\图纸\\Oak.tree.dwg"), u"Oak.tree");
  EXPECT_EQ(userBlockName(u"/home/u/Plan.DWG"), u"Plan");
  EXPECT_EQ(userBlockName(u"c:\\a.b\\noext"), u"noext");
}

TEST(SaveUserBlocks, WritesTheExactFormatIncludingFilesThatAreGone) {
  TempFolder root;
  ASSERT_TRUE(saveUserBlocks(root.path(), {u"c:\\图\\a.dwg", root.file(u"gone.dwg")}));
  EXPECT_EQ(readBytes(root.file(u"UserBlock.xml")),
            "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root>\r"
            "<Item>c:\\\xE5\x9B\xBE\\a.dwg</Item>\r<Item>" + base::toUtf8(root.file(u"gone.dwg")) + "</Item>\r"
            "</root>\r");
}

TEST(SaveUserBlocks, TheFirstSaveOfAnEmptyListWritesThreeLines) {
  TempFolder root;
  ASSERT_TRUE(saveUserBlocks(root.path(), {}));
  EXPECT_EQ(readBytes(root.file(u"UserBlock.xml")),
            "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root>\r</root>\r");
}

TEST(SaveUserBlocks, WritesAtMostFiveHundredPaths) {
  PathList paths;
  for (int i = 0; i < 501; ++i) paths.push_back(u"/p" + base::decimal(i));
  std::u16string text = userBlocksText(paths);
  EXPECT_NE(text.find(u"<Item>/p499</Item>"), std::u16string::npos);
  EXPECT_EQ(text.find(u"<Item>/p500</Item>"), std::u16string::npos);
}
