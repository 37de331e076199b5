#include "thumbs/ThumbLoader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <new>
#include <thread>

#include "PreviewFiles.h"
#include "base/Text.h"
#include "support/TempFolder.h"
#include "thumbs/DwgPreview.h"
#include "thumbs/Placeholder.h"
#include "thumbs/ThumbTile.h"

using namespace base;
using namespace thumbs;
using namespace thumbs_testing;

namespace {

// A list that counts its resets and the loader's calls that tiles are ready.
class FakeList : public ThumbListSink {
public:
  void resetList(size_t count) override { resets.push_back(count); }
  void tilesReady() override { ++ready; }

  std::vector<size_t> resets;
  std::atomic<int> ready{0};
};

std::string kindOf(const SharedImage& tile) {
  static const Image empty = MakeThumbTile(nullptr);
  static const Image placeholder = MakeThumbTile(&placeholderPicture());
  if (!tile || tile->pixels == empty.pixels) return "empty";
  if (tile->pixels == placeholder.pixels) return "placeholder";
  return "picture";
}

// The real preview reader, counted; it can hold the loader at one read until the test lets it go.
class CountedReader {
public:
  PreviewReader reader() {
    return [this](const std::u16string& path) {
      int n = ++reads_;
      if (n == holdAt_) {
        held_.store(true);
        while (!released_.load()) std::this_thread::yield();
      }
      return LoadDwgPreview(path);
    };
  }
  void holdAt(int read) { holdAt_ = read; }
  void waitUntilHeld() {
    while (!held_.load()) std::this_thread::yield();
  }
  void release() { released_.store(true); }
  int reads() const { return reads_.load(); }

private:
  std::atomic<int> reads_{0};
  int holdAt_ = 0;
  std::atomic<bool> held_{false};
  std::atomic<bool> released_{false};
};

std::vector<size_t> upTo(size_t count) {
  std::vector<size_t> items(count);
  for (size_t i = 0; i < count; ++i) items[i] = i;
  return items;
}

class ThumbLoaderRun : public ::testing::Test {
protected:
  std::u16string block(std::u16string_view name, bool withPreview = true) {
    std::u16string path = folder.file(name);
    writeFile(path, withPreview ? dwgFile({{kDibEntry, dib(patterned(12, 6), 24)}}) : std::string("not a drawing"));
    return path;
  }
  std::vector<std::u16string> blocks(int count, std::u16string_view prefix) {
    std::vector<std::u16string> paths;
    for (int i = 0; i < count; ++i) paths.push_back(block(std::u16string(prefix) + base::decimal(i) + u".dwg"));
    return paths;
  }
  // Waits until everything wanted is read, and takes it: "item kind" in the order read.
  std::vector<std::string> readAll() {
    std::vector<std::string> taken;
    do {
      std::this_thread::yield();
      for (const LoadedTile& loaded : loader.takeTiles()) taken.push_back(std::to_string(loaded.item) + " " + kindOf(loaded.tile));
    } while (loader.loading());
    return taken;
  }

  testing_support::TempFolder folder;
  CImageThumbCachedMgr cache;
  FakeList list;
  CountedReader counted;
  ThumbLoader loader{list, cache, counted.reader()};
};

}  // namespace

TEST(ThumbScreenOrder, TheScreenFirstThenTheNextScreensInTheScrollDirection) {
  struct Case {
    size_t first, last, count;
    int direction;
    std::vector<size_t> order;
  } cases[] = {
      {0, 2, 20, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
      {0, 2, 20, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
      {9, 11, 20, 1, {9, 10, 11, 12, 13, 14, 15, 16, 17}},
      {9, 11, 20, -1, {9, 10, 11, 8, 7, 6, 5, 4, 3}},
      {3, 5, 20, -1, {3, 4, 5, 2, 1, 0}},
      {15, 19, 20, 1, {15, 16, 17, 18, 19}},
      {18, 25, 20, 1, {18, 19}},  // a screen reaching past the end
      {0, 0, 0, 1, {}},
      {5, 4, 20, 1, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(screenOrder(c.first, c.last, c.count, c.direction), c.order) << c.first << "-" << c.last << " " << c.direction;
  }
}

TEST_F(ThumbLoaderRun, WantedTilesComeInTheOrderAskedThroughTheCache) {
  std::vector<std::u16string> paths = {block(u"12_双人床.dwg"), block(u"Table.Round.dwg", false), block(u"NoDot")};
  loader.LoadPaths(paths);
  EXPECT_EQ(list.resets, std::vector<size_t>{3});
  EXPECT_FALSE(loader.loading());  // nothing is read before it is wanted
  loader.want({2, 0, 1});
  EXPECT_EQ(readAll(), (std::vector<std::string>{"2 picture", "0 picture", "1 placeholder"}));
  EXPECT_GE(list.ready.load(), 1);
  EXPECT_EQ(cache.size(), 2u);
  EXPECT_EQ(loader.paths(), paths);

  // Shown again: only the file without a preview is read again.
  loader.LoadPaths(paths);
  loader.want(upTo(3));
  EXPECT_EQ(readAll(), (std::vector<std::string>{"0 picture", "1 placeholder", "2 picture"}));
  EXPECT_EQ(counted.reads(), 4);
}

TEST_F(ThumbLoaderRun, ARefinedContentReadsNoFileTwice) {
  std::vector<std::u16string> hits = blocks(12, u"Xiang");
  loader.LoadPaths(hits);
  loader.want(upTo(12));
  readAll();
  std::vector<std::u16string> fewer(hits.begin() + 4, hits.end());
  loader.LoadPaths(fewer);
  loader.want(upTo(fewer.size()));
  EXPECT_EQ(readAll().size(), fewer.size());
  EXPECT_EQ(counted.reads(), 12);
}

TEST_F(ThumbLoaderRun, WhatIsNoLongerNeededIsNotReadNorHandedOver) {
  struct Case {
    bool newContent;
    std::vector<std::string> taken;
  } cases[] = {
      // A scroll: the file being read still counts, then the new screen; nothing else.
      {false, {"0 picture", "1 picture", "150 picture", "151 picture"}},
      // A new content: the tile being read belongs to the old one and is dropped.
      {true, {"0 picture", "150 picture", "151 picture"}},
  };
  std::vector<std::u16string> paths = blocks(200, u"Tree");
  for (const Case& c : cases) {
    CImageThumbCachedMgr own;
    CountedReader reader;
    FakeList sink;
    ThumbLoader held{sink, own, reader.reader()};
    reader.holdAt(2);
    held.LoadPaths(paths);
    held.want(upTo(200));
    reader.waitUntilHeld();
    std::vector<LoadedTile> taken = held.takeTiles();  // the window goes on while the loader reads
    if (c.newContent) held.LoadPaths(paths);
    held.want({150, 151});
    reader.release();
    do {
      std::this_thread::yield();
      for (LoadedTile& tile : held.takeTiles()) taken.push_back(std::move(tile));
    } while (held.loading());
    std::vector<std::string> seen;
    for (const LoadedTile& tile : taken) seen.push_back(std::to_string(tile.item) + " " + kindOf(tile.tile));
    EXPECT_EQ(seen, c.taken) << c.newContent;
    EXPECT_EQ(reader.reads(), 4);
  }
}

TEST_F(ThumbLoaderRun, APreviewThatRunsOutOfMemoryLeavesItsItemEmptyAndTheRestGoOn) {
  FakeList own;
  int calls = 0;
  ThumbLoader failing{own, cache, [&](const std::u16string& path) -> std::optional<Image> {
                        if (++calls == 1) throw std::bad_alloc();
                        return LoadDwgPreview(path);
                      }};
  failing.LoadPaths({block(u"a.dwg"), block(u"b.dwg")});
  failing.want({0, 1});
  std::vector<size_t> items;
  do {
    std::this_thread::yield();
    for (const LoadedTile& tile : failing.takeTiles()) items.push_back(tile.item);
  } while (failing.loading());
  EXPECT_EQ(items, std::vector<size_t>{1});
}
