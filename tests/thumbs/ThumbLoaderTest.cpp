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
#include "thumbs/Placeholder.h"
#include "thumbs/ThumbTile.h"

using namespace base;
using namespace thumbs;
using namespace thumbs_testing;

namespace {

// A list that keeps what the loader put into it, and the order in which it was asked.
class FakeList : public ThumbListSink {
public:
  void resetList(size_t imageCount) override {
    std::lock_guard lock(mutex_);
    captions_.clear();
    images_.assign(imageCount, "none");
    log_.push_back("reset " + std::to_string(imageCount));
  }
  void hideScrollBars() override { note("hide"); }
  void insertItem(size_t index, std::u16string_view caption, size_t imageIndex, size_t data) override {
    std::lock_guard lock(mutex_);
    if (index == captions_.size() && imageIndex == index && data == index) captions_.push_back(base::toUtf8(caption));
    log_.push_back("insert " + std::to_string(index) + " " + base::toUtf8(caption));
  }
  void replaceImage(size_t index, const Image& tile) override {
    std::string kind = kindOf(tile);
    std::lock_guard lock(mutex_);
    if (index < images_.size()) images_[index] = kind;
    log_.push_back("image " + std::to_string(index) + " " + kind);
  }
  void setRedraw(bool on) override { note(on ? "redraw on" : "redraw off"); }
  void redrawItem(size_t index) override { note("item " + std::to_string(index)); }
  void invalidate() override { note("invalidate"); }

  std::vector<std::string> takeLog() {
    std::lock_guard lock(mutex_);
    return std::exchange(log_, {});
  }
  std::vector<std::string> captions() {
    std::lock_guard lock(mutex_);
    return captions_;
  }
  std::vector<std::string> images() {
    std::lock_guard lock(mutex_);
    return images_;
  }

private:
  static std::string kindOf(const Image& tile) {
    static const Image empty = MakeThumbTile(nullptr);
    static const Image placeholder = MakeThumbTile(&placeholderPicture());
    if (tile.pixels == empty.pixels) return "empty";
    if (tile.pixels == placeholder.pixels) return "placeholder";
    return "picture";
  }
  void note(std::string what) {
    std::lock_guard lock(mutex_);
    log_.push_back(std::move(what));
  }

  std::mutex mutex_;
  std::vector<std::string> log_;
  std::vector<std::string> captions_;
  std::vector<std::string> images_;
};

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

void waitUntilIdle(ThumbLoader& loader) {
  while (loader.loading()) std::this_thread::yield();
  loader.StopLoader();
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

  testing_support::TempFolder folder;
  CImageThumbCachedMgr cache;
  FakeList list;
  CountedReader counted;
  ThumbLoader loader{list, cache, counted.reader()};
};

}  // namespace

TEST_F(ThumbLoaderRun, CaptionsThenCachedTilesThenMissingOnesOneByOne) {
  loader.LoadPaths({block(u"12_双人床.dwg"), block(u"Table.Round.dwg", false), block(u"NoDot", true)});
  waitUntilIdle(loader);
  std::vector<std::string> want = {
      "reset 3",        "redraw off",       "hide",          "insert 0 双人床", "insert 1 Table.Rou", "insert 2 ",
      "image 0 empty",  "image 1 empty",    "image 2 empty", "redraw on",      "invalidate",
      "image 0 picture", "item 0",          "image 1 placeholder", "item 1",   "image 2 picture", "item 2",
      "invalidate"};
  EXPECT_EQ(list.takeLog(), want);
  EXPECT_EQ(list.captions(), (std::vector<std::string>{"双人床", "Table.Rou", ""}));
  EXPECT_EQ(cache.size(), 2u);
  EXPECT_EQ(loader.paths().size(), 3u);
}

TEST_F(ThumbLoaderRun, ASecondLoadReadsNoFileAndShowsEverythingBeforeTheFirstRepaint) {
  std::vector<std::u16string> paths = blocks(4, u"Oak");
  loader.LoadPaths(paths);
  waitUntilIdle(loader);
  ASSERT_EQ(counted.reads(), 4);
  list.takeLog();
  loader.LoadPaths(paths);
  waitUntilIdle(loader);
  EXPECT_EQ(counted.reads(), 4);
  std::vector<std::string> log = list.takeLog();
  auto repaint = std::find(log.begin(), log.end(), "redraw on");
  EXPECT_EQ(std::count(log.begin(), repaint, std::string("image 0 picture")), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), std::string("item 0")), 0);
  EXPECT_EQ(list.images(), std::vector<std::string>(4, "picture"));
}

TEST_F(ThumbLoaderRun, AFileWithoutPreviewIsReadAgainEveryTime) {
  std::vector<std::u16string> paths = {block(u"Broken.dwg", false)};
  loader.LoadPaths(paths);
  waitUntilIdle(loader);
  loader.LoadPaths(paths);
  waitUntilIdle(loader);
  EXPECT_EQ(counted.reads(), 2);
  EXPECT_EQ(list.images(), std::vector<std::string>{"placeholder"});
  EXPECT_EQ(cache.size(), 0u);
}

TEST_F(ThumbLoaderRun, ATouchedFileIsReadAgain) {
  std::vector<std::u16string> paths = blocks(2, u"Pine");
  loader.LoadPaths(paths);
  waitUntilIdle(loader);
  auto p = std::filesystem::path(paths[1]);
  std::filesystem::last_write_time(p, std::filesystem::last_write_time(p) + std::chrono::seconds(3));
  loader.LoadPaths(paths);
  waitUntilIdle(loader);
  EXPECT_EQ(counted.reads(), 3);
}

TEST_F(ThumbLoaderRun, AStopTakesEffectAfterAtMostOneMorePreview) {
  std::vector<std::u16string> paths = blocks(200, u"Bench");
  counted.holdAt(5);
  loader.LoadPaths(paths);
  counted.waitUntilHeld();
  int waits = 0;
  loader.setStopWait([&] {
    ++waits;
    counted.release();
  });
  loader.StopLoader();
  EXPECT_GT(waits, 0);
  EXPECT_LE(counted.reads(), 6);
  EXPECT_FALSE(loader.loading());
  std::vector<std::string> log = list.takeLog();
  EXPECT_EQ(log.back(), "invalidate");
  EXPECT_EQ(std::count(log.begin(), log.end(), std::string("item 4")), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), std::string("item 6")), 0);
}

TEST_F(ThumbLoaderRun, ANewLoadDuringARunStartsAfreshWithTheNewPaths) {
  std::vector<std::u16string> first = blocks(200, u"First");
  std::vector<std::u16string> second = {block(u"01_Maple.dwg"), block(u"02_Birch.dwg", false)};
  counted.holdAt(3);
  loader.LoadPaths(first);
  counted.waitUntilHeld();
  loader.setStopWait([&] { counted.release(); });
  loader.LoadPaths(second);
  waitUntilIdle(loader);
  EXPECT_LE(counted.reads(), 4 + 2);
  EXPECT_EQ(list.captions(), (std::vector<std::string>{"Maple", "Birch"}));
  EXPECT_EQ(list.images(), (std::vector<std::string>{"picture", "placeholder"}));
  std::vector<std::string> log = list.takeLog();
  auto reset = std::find(log.begin(), log.end(), "reset 2");
  ASSERT_NE(reset, log.end());
  EXPECT_EQ(std::count(reset, log.end(), std::string("insert 0 Maple")), 1);
  EXPECT_EQ(std::count_if(reset, log.end(), [](const std::string& e) { return e.rfind("insert", 0) == 0; }), 2);
}

TEST_F(ThumbLoaderRun, AnEmptyListStartsNoRunAndIsShownAtOnce) {
  loader.LoadPaths({});
  EXPECT_FALSE(loader.loading());
  EXPECT_EQ(list.takeLog(), (std::vector<std::string>{"reset 0", "redraw off", "hide", "redraw on", "invalidate"}));
  loader.StopLoader();
}

TEST_F(ThumbLoaderRun, AStopWithoutRunDoesNothing) {
  int waits = 0;
  loader.setStopWait([&] { ++waits; });
  loader.StopLoader();
  EXPECT_EQ(waits, 0);
  EXPECT_TRUE(list.takeLog().empty());
}

TEST_F(ThumbLoaderRun, APreviewThatRunsOutOfMemoryEndsTheRunButNotTheProgram) {
  FakeList own;
  ThumbLoader failing{own, cache, [](const std::u16string&) -> std::optional<Image> { throw std::bad_alloc(); }};
  failing.LoadPaths({block(u"a.dwg"), block(u"b.dwg")});
  waitUntilIdle(failing);
  std::vector<std::string> log = own.takeLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "invalidate");
  EXPECT_NE(std::find(log.begin(), log.end(), "redraw on"), log.end());
  EXPECT_FALSE(failing.loading());
}
