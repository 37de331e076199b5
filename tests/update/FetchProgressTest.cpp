#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "FakeClock.h"
#include "FakeHttp.h"
#include "FakeWindow.h"
#include "base/Files.h"
#include "support/TempFolder.h"
#include "update/Fetch.h"
#include "update/UpdateCodes.h"

namespace {

using namespace update_tests;

class FetchProgressTest : public ::testing::Test {
protected:
  void useClockStartingAt(uint32_t start) {
    clock = std::make_shared<FakeClock>(start);
    window = std::make_shared<FakeWindow>(clock);
  }
  int32_t fetch(FakeAnswer answer, bool withWindow = true) {
    FakeHttpServer server(clock);
    server.answer(u"/f.dwg", std::move(answer));
    update::FetchJob job(server.openSession(), withWindow ? window : nullptr, *clock);
    base::files::remove(folder.file(u"f.dwg"));  // a fetch only ever makes a new file
    return update::fetchToFile(job, folder.file(u"f.dwg"), u"http://127.0.0.1/f.dwg", update::CacheMode::NoCacheWrite);
  }
  std::vector<uint32_t> percentages() {
    std::vector<uint32_t> values;
    for (const WindowMessage& m : window->messages()) values.push_back(m.wParam);
    return values;
  }

  std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
  std::shared_ptr<FakeWindow> window = std::make_shared<FakeWindow>(clock);
  testing_support::TempFolder folder;
};

FakeAnswer slowBody(size_t size, uint32_t msPerRead) {
  FakeAnswer a;
  a.body.assign(size, 'p');
  a.msPerRead = msPerRead;
  return a;
}

// --- Reports during the transfer ------------------------------------------------------------------

TEST_F(FetchProgressTest, ReportsAreSentAtMostEvery300Milliseconds) {
  // Ten full reads of 100 ms each: more than 300 ms have passed after the 4th and the 8th.
  EXPECT_EQ(fetch(slowBody(10 * 1024, 100)), 1);
  std::vector<WindowMessage> reports = window->messages();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].wParam, 40u);
  EXPECT_EQ(reports[1].wParam, 80u);
  for (const WindowMessage& m : reports) {
    EXPECT_FALSE(m.posted);
    EXPECT_EQ(m.lParam, update::kProgressBase);
  }
  EXPECT_EQ(reports[1].tick - reports[0].tick, 400u);
}

TEST_F(FetchProgressTest, ExactlyThreeHundredMillisecondsIsNotYetAReport) {
  EXPECT_EQ(fetch(slowBody(4 * 1024, 300)), 1);
  std::vector<WindowMessage> reports = window->messages();
  ASSERT_EQ(reports.size(), 2u);  // 600 ms after the second read, then 1200 ms after the fourth
  EXPECT_EQ(reports[0].wParam, 50u);
  EXPECT_EQ(reports[1].wParam, 100u);
}

TEST_F(FetchProgressTest, TickCounterWrapDoesNotStopTheReports) {
  useClockStartingAt(0xFFFFFF00u);
  EXPECT_EQ(fetch(slowBody(10 * 1024, 100)), 1);
  EXPECT_EQ(percentages(), (std::vector<uint32_t>{40, 80}));
}

TEST_F(FetchProgressTest, ZeroContentLengthNeverDividesAndReportsNothing) {
  FakeAnswer a = slowBody(5000, 400);
  a.contentLength = 0;
  EXPECT_EQ(fetch(a), 0);
  EXPECT_TRUE(window->messages().empty());
}

TEST_F(FetchProgressTest, HugeContentLengthGivesSmallPercentagesWithoutOverflow) {
  FakeAnswer a = slowBody(3000, 400);
  a.contentLength = UINT64_MAX;
  EXPECT_EQ(fetch(a), 0);
  EXPECT_EQ(percentages(), (std::vector<uint32_t>{0, 0, 0}));
}

TEST_F(FetchProgressTest, NoWindowMeansNoReportsAndNoDelay) {
  EXPECT_EQ(fetch(slowBody(10 * 1024, 100), false), 1);
  EXPECT_EQ(fetch(slowBody(100, 0), false), 1);
  EXPECT_TRUE(window->messages().empty());
  EXPECT_TRUE(clock->sleeps().empty());
}

// --- No wait to be seen ------------------------------------------------------------------------------

TEST_F(FetchProgressTest, FetchesEndAsSoonAsTheirBodyHasArrivedWhateverTheResult) {
  FakeAnswer shortBody = slowBody(10, 0);
  shortBody.contentLength = 20;
  for (const FakeAnswer& answer : {slowBody(100, 0), slowBody(1024, 499), slowBody(2048, 200), shortBody}) {
    window = std::make_shared<FakeWindow>(clock);
    fetch(answer);
    for (const WindowMessage& m : window->messages()) EXPECT_FALSE(m.posted);
    EXPECT_TRUE(clock->sleeps().empty());
  }
}

TEST_F(FetchProgressTest, WindowGoneBeforeTheJobStartsIsNoProgressWindow) {
  window->close();
  update::FetchJob job(nullptr, window, *clock);
  EXPECT_EQ(job.progressSlot(), -1);
  EXPECT_FALSE(job.windowFollows());
  update::FetchJob followed(nullptr, std::make_shared<FakeWindow>(clock), *clock);
  EXPECT_EQ(followed.progressSlot(), 0);
}

}  // namespace
