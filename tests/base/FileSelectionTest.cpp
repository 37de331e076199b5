#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "base/TickClock.h"
#include "base/FileSelection.h"
#include "base/NamedLock.h"
#include "base/Path.h"

namespace {

using Paths = std::vector<std::u16string>;
using namespace std::string_view_literals;

TEST(FileSelection, PathsJoinTheFolderOnceWithEachName) {
  const std::u16string sep(1, base::kPathSeparator);
  struct Row {
    std::u16string_view buffer;
    Paths paths;
  } rows[] = {
      {u"C:\\a.dwg\0\0"sv, {u"C:\\a.dwg"}},                            // one file: the full path
      {u"C:\\\0a.dwg\0b.dwg\0\0"sv, {u"C:\\a.dwg", u"C:\\b.dwg"}},     // in a drive's root
      {u"/\0a.dwg\0\0"sv, {u"/a.dwg"}},
      {u"C:\\图\0a.dwg\0b.dwg\0\0"sv, {u"C:\\图" + sep + u"a.dwg", u"C:\\图" + sep + u"b.dwg"}},
      {u"\0\0"sv, {}},                                                 // nothing chosen
  };
  for (const Row& row : rows) EXPECT_EQ(base::pathsOfSelection(row.buffer), row.paths);
}

TEST(FileSelection, AnOverflowAsksForALargerBufferUntilTheLimit) {
  EXPECT_EQ(base::largerSelectionBuffer(32768, u'\0'), 131072u);
  EXPECT_EQ(base::largerSelectionBuffer(100, char16_t(60000)), 60000u);  // what the dialog asked for
  EXPECT_EQ(base::largerSelectionBuffer(base::kMaxSelectionBuffer / 4, u'\0'), base::kMaxSelectionBuffer);
  EXPECT_EQ(base::largerSelectionBuffer(base::kMaxSelectionBuffer, u'\0'), 0u);
}

// The second holder gets in only after the first let go, even within one process; one that will
// not wait does not get in at all.
TEST(NamedLock, HoldersOfOneNameTakeTurns) {
  std::atomic<int> stage{0};
  int seen = -1;
  bool refused = false;
  std::thread second;
  {
    base::NamedLock first(u"blockery-test-lock", base::kNamedLockWait);
    ASSERT_TRUE(first.held());
    second = std::thread([&] {
      refused = !base::NamedLock(u"blockery-test-lock", 0).held();
      stage = 1;
      base::NamedLock mine(u"blockery-test-lock", base::kNamedLockWait);
      seen = mine.held() ? stage.load() : -2;
    });
    while (stage.load() == 0) base::sleepMs(1);
    base::sleepMs(20);  // room for a lock that does not exclude to let the thread in too early
    stage = 2;
  }
  second.join();
  EXPECT_TRUE(refused);
  EXPECT_EQ(seen, 2);
}

}  // namespace
