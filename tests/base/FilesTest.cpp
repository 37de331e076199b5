#include <algorithm>

#include <gtest/gtest.h>

#include "base/Files.h"
#include "base/Process.h"
#include "base/ReadStream.h"
#include "base/Text.h"
#include "support/TempFolder.h"

using namespace base;
using testing_support::TempFolder;

TEST(Files, WriteReadSizeAndTimeOfAChineseName) {
  TempFolder dir;
  const auto path = dir.file(u"图块.dwg");
  EXPECT_FALSE(files::exists(path));
  EXPECT_FALSE(files::lastWriteTime(path));
  ASSERT_TRUE(files::writeWhole(path, std::string("ab\0c", 4)));
  std::string bytes;
  ASSERT_TRUE(files::readWhole(path, bytes));
  EXPECT_EQ(bytes, std::string("ab\0c", 4));
  EXPECT_EQ(files::size(path), 4u);
  EXPECT_TRUE(files::lastWriteTime(path));
  EXPECT_FALSE(files::readWhole(dir.file(u"none"), bytes));
  EXPECT_TRUE(bytes.empty());
}

TEST(Files, CopyHonoursTheOverwriteFlag) {
  TempFolder dir;
  files::writeWhole(dir.file(u"a"), "new");
  files::writeWhole(dir.file(u"b"), "old");
  EXPECT_FALSE(files::copy(dir.file(u"a"), dir.file(u"b"), false));
  std::string bytes;
  files::readWhole(dir.file(u"b"), bytes);
  EXPECT_EQ(bytes, "old");
  EXPECT_TRUE(files::copy(dir.file(u"a"), dir.file(u"b"), true));
  files::readWhole(dir.file(u"b"), bytes);
  EXPECT_EQ(bytes, "new");
  EXPECT_FALSE(files::copy(dir.file(u"missing"), dir.file(u"c"), true));
  EXPECT_FALSE(files::exists(dir.file(u"c")));
}

TEST(Files, AtomicReplaceSwapsInTheNewFileAndKeepsTheOldOneOnFailure) {
  TempFolder dir;
  files::writeWhole(dir.file(u"InkCasket.xml"), "old");
  files::writeWhole(dir.file(u"InkCasket_.xml"), "new");
  ASSERT_TRUE(files::replaceAtomically(dir.file(u"InkCasket_.xml"), dir.file(u"InkCasket.xml")));
  std::string bytes;
  files::readWhole(dir.file(u"InkCasket.xml"), bytes);
  EXPECT_EQ(bytes, "new");
  EXPECT_FALSE(files::exists(dir.file(u"InkCasket_.xml")));

  EXPECT_FALSE(files::replaceAtomically(dir.file(u"gone_.xml"), dir.file(u"InkCasket.xml")));
  files::readWhole(dir.file(u"InkCasket.xml"), bytes);
  EXPECT_EQ(bytes, "new");
}

// Another gallery may be reading a shared list while this one replaces it: the reader lets the
// file go (the replace itself goes through where the system renames over open files, Windows 10 on).
TEST(Files, AnOpenReaderLetsTheFileGo) {
  TempFolder dir;
  files::writeWhole(dir.file(u"UserBlock.xml"), "old");
  ReadStream reader(dir.file(u"UserBlock.xml"));
  ASSERT_TRUE(reader.isOpen());
  EXPECT_TRUE(files::remove(dir.file(u"UserBlock.xml")));
  char old[3] = {};
  size_t got = 0;
  EXPECT_TRUE(reader.read(old, sizeof old, got));
  EXPECT_EQ(std::string(old, got), "old");
}

TEST(Files, CreateNewMakesAnEmptyFileButNeverTouchesOneThatIsThere) {
  TempFolder dir;
  ASSERT_TRUE(files::createNew(dir.file(u"UserBlock.xml")));
  EXPECT_EQ(files::size(dir.file(u"UserBlock.xml")), 0u);
  files::writeWhole(dir.file(u"UserBlock.xml"), "<root/>");
  EXPECT_FALSE(files::createNew(dir.file(u"UserBlock.xml")));
  std::string bytes;
  files::readWhole(dir.file(u"UserBlock.xml"), bytes);
  EXPECT_EQ(bytes, "<root/>");
  EXPECT_FALSE(files::createNew(dir.file(u"no-such-folder/UserBlock.xml")));
}

TEST(Files, DirectoriesAreMadeOneLevelAtATime) {
  TempFolder dir;
  EXPECT_FALSE(files::createDirectory(dir.file(u"a") + kPathSeparator + u"b"));
  EXPECT_TRUE(files::createDirectory(dir.file(u"a")));
  EXPECT_FALSE(files::createDirectory(dir.file(u"a")));
  EXPECT_TRUE(files::isDirectory(dir.file(u"a")));
  files::writeWhole(dir.file(u"x.dwg"), "x");
  auto names = files::listFiles(dir.path());
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0], u"x.dwg");
  auto entries = files::listFolder(dir.path()).value();
  std::sort(entries.begin(), entries.end(), [](const auto& l, const auto& r) { return l.name < r.name; });
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].kind, files::EntryKind::Folder);
  EXPECT_EQ(entries[1].kind, files::EntryKind::File);
  EXPECT_EQ(entries[1].size, 1u);
  EXPECT_EQ(entries[1].lastWriteTime, files::lastWriteTime(dir.file(u"x.dwg")));
  EXPECT_FALSE(files::listFolder(dir.file(u"x.dwg")).has_value());
  EXPECT_TRUE(files::remove(dir.file(u"x.dwg")));
  EXPECT_FALSE(files::remove(dir.file(u"x.dwg")));
}

TEST(Files, QueriesAreCounted) {
  TempFolder dir;
  uint64_t before = files::queryCount();
  files::exists(dir.file(u"a"));
  files::lastWriteTime(dir.file(u"a"));
  EXPECT_EQ(files::queryCount() - before, 2u);
}

TEST(Files, ScratchOfEndedProgramsIsRemovedOnly) {
  TempFolder dir;
  const std::u16string self = decimal(int64_t(currentProcessId()));
  const std::u16string ended = u"2147483645";   // beyond any process id in use
  const struct {
    std::u16string name;
    bool stays;
  } cases[] = {
      {u"UserBlock.xml", true},
      {u"UserBlock.xml." + self + u".saving", true},
      {u"UserBlock.xml." + ended + u".saving", false},
      {u"UserBlock.xml.12ab.saving", true},
      {u"UserBlock.xml2." + ended + u".saving", true},
      {u"RecentlyUse.xml." + ended + u".saving", true},
  };
  for (const auto& c : cases) ASSERT_TRUE(files::writeWhole(dir.file(c.name), "x"));
  EXPECT_EQ(files::removeEndedScratch(dir.file(u"UserBlock.xml")), 1u);
  for (const auto& c : cases) EXPECT_EQ(files::exists(dir.file(c.name)), c.stays) << toUtf8(c.name);
}
