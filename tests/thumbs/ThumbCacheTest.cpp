#include "thumbs/ThumbCache.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "PreviewFiles.h"
#include "base/Files.h"
#include "support/TempFolder.h"

using namespace base;
using namespace thumbs;
using thumbs_testing::writeFile;

namespace {

void touch(const std::u16string& path, int secondsLater) {
  auto p = std::filesystem::path(path);
  std::filesystem::last_write_time(p, std::filesystem::last_write_time(p) + std::chrono::seconds(secondsLater));
}

}  // namespace

TEST(ThumbCacheEntries, StoredPreviewAndItsTileComeBackUntilRemoved) {
  testing_support::TempFolder folder;
  std::u16string path = folder.file(u"Oak.dwg");
  writeFile(path, "dwg");
  CImageThumbCachedMgr cache;
  EXPECT_EQ(cache.Lookup(path), nullptr);
  cache.Store(path, Image(3, 2, kBlack));
  SharedImage found = cache.Lookup(path);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->width, 3);
  cache.Store(path, Image(5, 5, kWhite));
  ASSERT_NE(cache.Lookup(path), nullptr);
  EXPECT_EQ(cache.Lookup(path)->width, 5);
  EXPECT_EQ(cache.size(), 1u);
  // A tile is kept beside its preview, and goes with it when a new preview is stored.
  EXPECT_EQ(cache.LookupTile(path), nullptr);
  cache.StoreTile(path, Image(2, 2, kWhite));
  EXPECT_NE(cache.LookupTile(path), nullptr);
  cache.Store(path, Image(5, 5, kWhite));
  EXPECT_EQ(cache.LookupTile(path), nullptr);
  cache.Remove(path);
  cache.StoreTile(path, Image(2, 2, kWhite));  // no preview, so no tile kept
  EXPECT_EQ(cache.LookupTile(path), nullptr);
  EXPECT_EQ(cache.Lookup(path), nullptr);
  EXPECT_EQ(cache.size(), 0u);
  cache.Remove(path);
}

TEST(ThumbCacheEntries, KeysAreTheExactPath) {
  testing_support::TempFolder folder;
  writeFile(folder.file(u"Oak.dwg"), "dwg");
  writeFile(folder.file(u"oak.dwg"), "dwg");
  CImageThumbCachedMgr cache;
  cache.Store(folder.file(u"Oak.dwg"), Image(1, 1, kBlack));
  EXPECT_EQ(cache.Lookup(folder.file(u"oak.dwg")), nullptr);
  EXPECT_EQ(cache.Lookup(folder.path() + u"//Oak.dwg"), nullptr);
  EXPECT_NE(cache.Lookup(folder.file(u"Oak.dwg")), nullptr);
}

TEST(ThumbCacheFreshness, ATouchedFileDropsItsEntry) {
  testing_support::TempFolder folder;
  std::u16string path = folder.file(u"Oak.dwg");
  writeFile(path, "dwg");
  CImageThumbCachedMgr cache;
  cache.Store(path, Image(1, 1, kBlack));
  touch(path, 2);
  EXPECT_EQ(cache.Lookup(path), nullptr);
  EXPECT_EQ(cache.size(), 0u);
  touch(path, -5);  // an older time is another time too
  cache.Store(path, Image(1, 1, kBlack));
  touch(path, -1);
  EXPECT_EQ(cache.Lookup(path), nullptr);
}

TEST(ThumbCacheFreshness, ARemovedFileKeepsItsEntryButShowsNothing) {
  testing_support::TempFolder folder;
  std::u16string path = folder.file(u"Oak.dwg");
  writeFile(path, "dwg");
  auto written = std::filesystem::last_write_time(std::filesystem::path(path));
  CImageThumbCachedMgr cache;
  cache.Store(path, Image(1, 1, kBlack));
  base::files::remove(path);
  EXPECT_EQ(cache.Lookup(path), nullptr);
  EXPECT_EQ(cache.size(), 1u);
  // The same file put back with its old time is the one that was read.
  writeFile(path, "dwg");
  std::filesystem::last_write_time(std::filesystem::path(path), written);
  EXPECT_NE(cache.Lookup(path), nullptr);
}

TEST(ThumbCacheFreshness, AFileMissingAtStoreIsNeverFresh) {
  testing_support::TempFolder folder;
  std::u16string path = folder.file(u"Later.dwg");
  CImageThumbCachedMgr cache;
  cache.Store(path, Image(1, 1, kBlack));
  EXPECT_EQ(cache.Lookup(path), nullptr);
  writeFile(path, "dwg");
  EXPECT_EQ(cache.Lookup(path), nullptr);
  EXPECT_EQ(cache.size(), 0u);
}

// Each preview below is 1,000 pixels (4,000 bytes); the budget holds two of them, not three.
TEST(ThumbCacheBound, TheLeastRecentlyUsedGoWhenTheBudgetIsPassed) {
  testing_support::TempFolder folder;
  std::u16string a = folder.file(u"A.dwg"), b = folder.file(u"B.dwg"), c = folder.file(u"C.dwg");
  for (const std::u16string* path : {&a, &b, &c}) writeFile(*path, "dwg");
  CImageThumbCachedMgr cache(9000 + 3 * 2 * 2 * a.size());
  cache.Store(a, Image(100, 10, kBlack));
  cache.Store(b, Image(100, 10, kBlack));
  ASSERT_NE(cache.Lookup(a), nullptr);  // a is now the more recent of the two
  cache.Store(c, Image(100, 10, kBlack));
  EXPECT_EQ(cache.Lookup(b), nullptr);
  EXPECT_NE(cache.Lookup(a), nullptr);
  EXPECT_NE(cache.Lookup(c), nullptr);
  EXPECT_EQ(cache.size(), 2u);

  // A tile counts too: c's tile passes the budget and a, used least lately, goes.
  SharedImage held = cache.Lookup(a);
  cache.Lookup(c);
  cache.StoreTile(c, Image(250, 5, kWhite));
  EXPECT_NE(cache.LookupTile(c), nullptr);
  EXPECT_EQ(cache.Lookup(a), nullptr);
  EXPECT_LE(cache.bytes(), 9000 + 3 * 2 * 2 * a.size());
  ASSERT_NE(held, nullptr);  // what a caller holds outlives its entry
  EXPECT_EQ(held->width, 100);

  // One entry over the whole budget is kept: it is the one just read.
  CImageThumbCachedMgr tiny(100);
  tiny.Store(a, Image(100, 10, kBlack));
  EXPECT_NE(tiny.Lookup(a), nullptr);
  tiny.Store(b, Image(100, 10, kBlack));
  EXPECT_EQ(tiny.Lookup(a), nullptr);
  EXPECT_EQ(tiny.size(), 1u);
}

TEST(ThumbCacheProcess, OneCacheForTheWholeProcess) {
  EXPECT_EQ(&CImageThumbCachedMgr::instance(), &CImageThumbCachedMgr::instance());
}
