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

TEST(ThumbCacheEntries, StoredPreviewComesBackUntilRemoved) {
  testing_support::TempFolder folder;
  std::u16string path = folder.file(u"Oak.dwg");
  writeFile(path, "dwg");
  CImageThumbCachedMgr cache;
  EXPECT_EQ(cache.Lookup(path), nullptr);
  cache.Store(path, Image(3, 2, kBlack));
  const Image* found = cache.Lookup(path);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->width, 3);
  cache.Store(path, Image(5, 5, kWhite));
  ASSERT_NE(cache.Lookup(path), nullptr);
  EXPECT_EQ(cache.Lookup(path)->width, 5);
  EXPECT_EQ(cache.size(), 1u);
  cache.Remove(path);
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

TEST(ThumbCacheProcess, OneCacheForTheWholeProcess) {
  EXPECT_EQ(&CImageThumbCachedMgr::instance(), &CImageThumbCachedMgr::instance());
}
