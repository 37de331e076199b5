#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FakeClock.h"
#include "FakeHttp.h"
#include "FakeWindow.h"
#include "base/Files.h"
#include "support/TempFolder.h"
#include "update/Fetch.h"

namespace {

using namespace update_tests;
using update::CacheMode;

constexpr char16_t kServer[] = u"http://127.0.0.1:8480";

class FetchTest : public ::testing::Test {
protected:
  std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
  FakeHttpServer server{clock};
  std::shared_ptr<FakeWindow> window = std::make_shared<FakeWindow>(clock);
  testing_support::TempFolder folder;

  int32_t fetch(const std::u16string& localName, const std::u16string& path, bool withWindow = true) {
    update::FetchJob job(server.openSession(), withWindow ? window : nullptr, *clock);
    return update::fetchToFile(job, folder.file(localName), std::u16string(kServer) + path, CacheMode::NoCacheWrite);
  }
  std::string contentOf(const std::u16string& localName) {
    std::string bytes;
    base::files::readWhole(folder.file(localName), bytes);
    return bytes;
  }
  bool onDisk(const std::u16string& localName) { return base::files::exists(folder.file(localName)); }
};

FakeAnswer body(std::string bytes) {
  FakeAnswer a;
  a.body = std::move(bytes);
  return a;
}

// --- The failure table: result and what is left on disk -------------------------------------------

TEST_F(FetchTest, WholeBodyIsReceived) {
  server.answer(u"/InkCasket/a.dwg", body(std::string(3000, 'x')));
  EXPECT_EQ(fetch(u"a.dwg", u"/InkCasket/a.dwg"), 1);
  EXPECT_EQ(contentOf(u"a.dwg"), std::string(3000, 'x'));
}

TEST_F(FetchTest, UrlThatDoesNotSplitLeavesNothing) {
  update::FetchJob job(server.openSession(), window, *clock);
  EXPECT_EQ(update::fetchToFile(job, folder.file(u"a.dwg"), u"ftp://127.0.0.1/a.dwg", CacheMode::NoCacheWrite), 0);
  EXPECT_FALSE(onDisk(u"a.dwg"));
  EXPECT_EQ(server.log().count("connect"), 0u);
}

TEST_F(FetchTest, UnreachableServerLeavesNothing) {
  FakeAnswer refused = body("x");
  refused.reachable = false;
  server.answer(u"/a.dwg", refused);
  EXPECT_EQ(fetch(u"a.dwg", u"/a.dwg"), 0);
  EXPECT_FALSE(onDisk(u"a.dwg"));
}

TEST_F(FetchTest, StatusOtherThan200LeavesNothing) {
  for (uint32_t status : {404u, 500u, 201u, 304u}) {
    FakeAnswer a = body("page");
    a.status = status;
    server.answer(u"/a.dwg", a);
    EXPECT_EQ(fetch(u"a.dwg", u"/a.dwg"), 0) << status;
    EXPECT_FALSE(onDisk(u"a.dwg")) << status;
  }
}

TEST_F(FetchTest, LocalFileThatCannotBeCreatedLeavesNothing) {
  server.answer(u"/a.dwg", body("abc"));
  EXPECT_EQ(fetch(u"missing-folder/a.dwg", u"/a.dwg"), 0);
  EXPECT_FALSE(onDisk(u"missing-folder"));
}

TEST_F(FetchTest, MissingContentLengthFailsAndLeavesAnEmptyFile) {
  FakeAnswer a = body("the whole body arrives");
  a.lengthMissing = true;
  server.answer(u"/a.dwg", a);
  EXPECT_EQ(fetch(u"a.dwg", u"/a.dwg"), 0);
  ASSERT_TRUE(onDisk(u"a.dwg"));
  EXPECT_EQ(contentOf(u"a.dwg"), "");
}

TEST_F(FetchTest, ShortBodyFailsAndLeavesWhatArrived) {
  FakeAnswer a = body("12345");
  a.contentLength = 9;
  server.answer(u"/a.dwg", a);
  EXPECT_EQ(fetch(u"a.dwg", u"/a.dwg"), 0);
  EXPECT_EQ(contentOf(u"a.dwg"), "12345");
}

TEST_F(FetchTest, LongBodyFailsAndTheWholeBodyStays) {
  FakeAnswer a = body(std::string(2500, 'L'));
  a.contentLength = 2000;
  server.answer(u"/a.dwg", a);
  EXPECT_EQ(fetch(u"a.dwg", u"/a.dwg"), 0);
  EXPECT_EQ(contentOf(u"a.dwg"), std::string(2500, 'L'));
}

TEST_F(FetchTest, ConnectionBrokenMidBodyFailsWithAPartialFile) {
  FakeAnswer a = body(std::string(5000, 'b'));
  a.breakAfter = 2048;
  server.answer(u"/a.dwg", a);
  EXPECT_EQ(fetch(u"a.dwg", u"/a.dwg"), 0);
  EXPECT_EQ(contentOf(u"a.dwg"), std::string(2048, 'b'));
}

TEST_F(FetchTest, ZeroLengthAndEmptyBodySucceedsWithAnEmptyFile) {
  server.answer(u"/a.dwg", body(""));
  EXPECT_EQ(fetch(u"a.dwg", u"/a.dwg"), 1);
  ASSERT_TRUE(onDisk(u"a.dwg"));
  EXPECT_EQ(contentOf(u"a.dwg"), "");
}

TEST_F(FetchTest, ExistingFileIsLeftAloneAndTheFetchFails) {
  base::files::writeWhole(folder.file(u"a.dwg"), "another download's");
  server.answer(u"/a.dwg", body("new"));
  EXPECT_EQ(fetch(u"a.dwg", u"/a.dwg"), 0);
  EXPECT_EQ(contentOf(u"a.dwg"), "another download's");
}

// --- The request as sent ------------------------------------------------------------------------

TEST_F(FetchTest, RequestUsesConnectLimitsServerPortAndPath) {
  server.answer(u"/InkCasket/园林/a.dwg", body("x"));
  update::FetchJob job(server.openSession(), nullptr, *clock);
  update::fetchToFile(job, folder.file(u"a.dwg"), u"http://example.test:8123/InkCasket/园林/a.dwg",
                      CacheMode::FromServerOnly);
  FakeHttpLog& log = server.log();
  EXPECT_EQ(log.connectTimeouts, std::vector<uint32_t>{2000});
  EXPECT_EQ(log.connectRetries, std::vector<uint32_t>{1});
  EXPECT_EQ(log.server, u"example.test");
  EXPECT_EQ(log.port, 8123);
  ASSERT_EQ(log.paths.size(), 1u);
  EXPECT_EQ(log.paths[0], u"/InkCasket/%E5%9B%AD%E6%9E%97/a.dwg");
  EXPECT_EQ(log.modes, std::vector<CacheMode>{CacheMode::FromServerOnly});
}

TEST_F(FetchTest, ReadsAskForAtMost1024Bytes) {
  server.answer(u"/a.dwg", body(std::string(10000, 'r')));
  EXPECT_EQ(fetch(u"a.dwg", u"/a.dwg"), 1);
  EXPECT_EQ(server.log().largestReadCapacity, 1024u);
  EXPECT_GE(server.log().count("read"), 10u);
}

TEST_F(FetchTest, EveryRoadClosesRequestConnectionAndSessionInThatOrder) {
  FakeAnswer missing = body("x");
  missing.status = 404;
  FakeAnswer broken = body(std::string(3000, 'x'));
  broken.breakAfter = 1500;
  FakeAnswer noLength = body("x");
  noLength.lengthMissing = true;
  server.answer(u"/missing", missing);
  server.answer(u"/broken", broken);
  server.answer(u"/nolength", noLength);
  server.answer(u"/fine", body("x"));
  const std::vector<std::string> inOrder = {"close request", "close connection", "close session"};
  for (std::u16string path : {u"/missing", u"/broken", u"/nolength", u"/fine"}) {
    server.log().events.clear();
    fetch(u"a.dwg", path);
    EXPECT_EQ(server.log().closes(), inOrder);
  }
  server.log().events.clear();
  fetch(u"no-folder/a.dwg", u"/fine");
  EXPECT_EQ(server.log().closes(), inOrder);
}

TEST_F(FetchTest, MissingSessionFailsQuietly) {
  update::FetchJob job(nullptr, window, *clock);
  EXPECT_EQ(update::fetchToFile(job, folder.file(u"a.dwg"), u"http://127.0.0.1/a.dwg", CacheMode::NoCacheWrite), 0);
  EXPECT_TRUE(window->messages().empty());
}

}  // namespace
