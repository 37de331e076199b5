#include <gtest/gtest.h>

#include "base/FolderNames.h"
#include "base/Files.h"
#include "base/Path.h"
#include "support/TempFolder.h"

using namespace base;
using testing_support::TempFolder;

TEST(FolderNames, HoldsTheFilesAndFoldersOfOneFolder) {
  TempFolder dir;
  files::writeWhole(dir.file(u"松树.dwg"), "x");
  files::createDirectory(dir.file(u"sub.dwg"));
  files::writeWhole(joinPath(dir.file(u"sub.dwg"), u"deeper.dwg"), "x");
  uint64_t before = FolderNames::listingCount();
  FolderNames names(dir.path());
  EXPECT_EQ(FolderNames::listingCount() - before, 1u);
  ASSERT_TRUE(names.listed());
  EXPECT_TRUE(names.contains(u"松树.dwg"));
  EXPECT_TRUE(names.contains(u"sub.dwg"));
  EXPECT_FALSE(names.contains(u"deeper.dwg"));
  EXPECT_FALSE(names.contains(u"."));
  EXPECT_FALSE(names.contains(u".."));
  EXPECT_FALSE(names.contains(u"松树"));
}

TEST(FolderNames, MatchesNamesAsAnExistenceQueryDoes) {
  TempFolder dir;
  files::writeWhole(dir.file(u"Oak.dwg"), "x");
  FolderNames names(dir.path());
  for (std::u16string_view asked : {u"Oak.dwg", u"OAK.DWG", u"oak.dwg", u"Oak.Dwg", u"Oak.dwgx"})
    EXPECT_EQ(names.contains(asked), files::exists(dir.file(asked))) << std::string(asked.begin(), asked.end());
}

TEST(FolderNames, AMissingFolderIsNotListed) {
  TempFolder dir;
  FolderNames names(dir.file(u"missing"));
  EXPECT_FALSE(names.listed());
  EXPECT_FALSE(names.contains(u"a"));
}
