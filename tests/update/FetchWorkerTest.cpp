#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "FakeClock.h"
#include "FakeHttp.h"
#include "FakeWindow.h"
#include "base/Files.h"
#include "base/OutputFile.h"
#include "base/Path.h"
#include "support/TempFolder.h"
#include "update/FetchWorker.h"
#include "update/UpdateCodes.h"

namespace {

using namespace update_tests;

class FetchWorkerTest : public ::testing::Test {
protected:
  std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
  FakeHttpServer server{clock};
  std::shared_ptr<FakeWindow> window = std::make_shared<FakeWindow>(clock);
  testing_support::TempFolder folder;

  update::FetchServices services() { return {server.factory(), clock}; }
  int32_t run(const std::u16string& localName, const std::u16string& path, bool withWindow = true,
              std::optional<uint64_t> size = std::nullopt) {
    update::FetchOrder order{u"http://127.0.0.1" + path, folder.file(localName), withWindow ? window : nullptr, size};
    return update::fetchWorker(order, services());
  }
  std::string contentOf(const std::u16string& localName) {
    std::string bytes;
    base::files::readWhole(folder.file(localName), bytes);
    return bytes;
  }
  bool onDisk(const std::u16string& localName) { return base::files::exists(folder.file(localName)); }
  bool noParts() {
    for (const std::u16string& name : base::files::listFiles(folder.path()))
      if (name.ends_with(u".part")) return false;
    return true;
  }
  std::vector<WindowMessage> completions() {
    std::vector<WindowMessage> picked;
    for (const WindowMessage& m : window->messages())
      if (m.lParam != update::kProgressBase) picked.push_back(m);
    return picked;
  }
};

FakeAnswer body(std::string bytes) {
  FakeAnswer a;
  a.body = std::move(bytes);
  return a;
}

FakeAnswer status(uint32_t code) {
  FakeAnswer a = body("error page");
  a.status = code;
  return a;
}

void expectCompletion(const std::vector<WindowMessage>& messages, uint32_t result, int32_t code) {
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].posted);
  EXPECT_EQ(messages[0].wParam, result);
  EXPECT_EQ(messages[0].lParam, code);
}

// --- Names and codes --------------------------------------------------------------------------------

TEST(CompletionCode, IsOneForAnyPathHoldingXmlAndThreeOtherwise) {
  EXPECT_EQ(update::completionCodeFor(u"/lib/FileList.xml"), update::kStepItemListFetched);
  EXPECT_EQ(update::completionCodeFor(u"/lib/a.xml.d/b.dwg"), update::kStepItemListFetched);
  EXPECT_EQ(update::completionCodeFor(u"/lib/b.dwg"), update::kStepBlockFetched);
  EXPECT_EQ(update::completionCodeFor(u"/lib/B.XML"), update::kStepBlockFetched);
}

// --- Results on disk and the completion message -----------------------------------------------------

TEST_F(FetchWorkerTest, ItemListReplacesTheOldOneAndReportsOneOne) {
  base::files::writeWhole(folder.file(u"FileList.xml"), "old list");
  server.answer(u"/t/t.xml", body("<root>new</root>"));
  EXPECT_EQ(run(u"FileList.xml", u"/t/t.xml"), 1);
  EXPECT_EQ(contentOf(u"FileList.xml"), "<root>new</root>");
  EXPECT_TRUE(noParts());
  expectCompletion(completions(), 1, update::kStepItemListFetched);
  EXPECT_EQ(server.log().modes, std::vector<update::CacheMode>{update::CacheMode::FromServerOnly});
}

TEST_F(FetchWorkerTest, BlockArrivesAndReportsOneThree) {
  server.answer(u"/t/b7.dwg", body("AC1018 block"));
  EXPECT_EQ(run(u"01_门.dwg", u"/t/b7.dwg"), 1);
  EXPECT_EQ(contentOf(u"01_门.dwg"), "AC1018 block");
  EXPECT_TRUE(noParts());
  expectCompletion(completions(), 1, update::kStepBlockFetched);
}

TEST_F(FetchWorkerTest, NotFoundLeavesTheOldFileAndNoTemporary) {
  base::files::writeWhole(folder.file(u"FileList.xml"), "old list");
  base::files::writeWhole(folder.file(u"a.dwg"), "old block");
  server.answer(u"/list.xml", status(404));
  server.answer(u"/a.dwg", status(404));
  EXPECT_EQ(run(u"FileList.xml", u"/list.xml"), 0);
  EXPECT_EQ(run(u"a.dwg", u"/a.dwg"), 0);
  EXPECT_EQ(contentOf(u"FileList.xml"), "old list");
  EXPECT_EQ(contentOf(u"a.dwg"), "old block");
  EXPECT_EQ(base::files::listFiles(folder.path()).size(), 2u);
  std::vector<WindowMessage> done = completions();
  ASSERT_EQ(done.size(), 2u);
  EXPECT_EQ(done[0].wParam, 0u);
  EXPECT_EQ(done[0].lParam, update::kStepItemListFetched);
  EXPECT_EQ(done[1].wParam, 0u);
  EXPECT_EQ(done[1].lParam, update::kStepBlockFetched);
}

TEST_F(FetchWorkerTest, BrokenTransfersNeverTouchTheLibraryFile) {
  FakeAnswer noLength = body("complete but unannounced");
  noLength.lengthMissing = true;
  FakeAnswer shortBody = body("half");
  shortBody.contentLength = 8;
  FakeAnswer longBody = body("too long");
  longBody.contentLength = 3;
  FakeAnswer dropped = body(std::string(4000, 'd'));
  dropped.breakAfter = 1024;
  server.answer(u"/nolength.dwg", noLength);
  server.answer(u"/short.dwg", shortBody);
  server.answer(u"/long.dwg", longBody);
  server.answer(u"/dropped.dwg", dropped);
  base::files::writeWhole(folder.file(u"a.dwg"), "old block");
  for (std::u16string path : {u"/nolength.dwg", u"/short.dwg", u"/long.dwg", u"/dropped.dwg"}) {
    EXPECT_EQ(run(u"a.dwg", path), 0);
    EXPECT_EQ(contentOf(u"a.dwg"), "old block");
    EXPECT_TRUE(noParts());
  }
}

TEST_F(FetchWorkerTest, WholeButEmptyAnswerIsAFailure) {
  base::files::writeWhole(folder.file(u"FileList.xml"), "old list");
  server.answer(u"/empty.xml", body(""));
  EXPECT_EQ(run(u"FileList.xml", u"/empty.xml"), 0);
  EXPECT_EQ(contentOf(u"FileList.xml"), "old list");
  EXPECT_TRUE(noParts());
  expectCompletion(completions(), 0, update::kStepItemListFetched);
}

TEST_F(FetchWorkerTest, FailedReplacementKeepsTheOldTargetAndRemovesTheDownload) {
  // A folder in the block's place cannot be replaced by a file.
  std::u16string blocker = folder.file(u"a.dwg");
  ASSERT_TRUE(base::files::createDirectory(blocker));
  base::files::writeWhole(base::joinPath(blocker, u"inside"), "kept");
  server.answer(u"/a.dwg", body("AC1018 new block"));
  EXPECT_EQ(run(u"a.dwg", u"/a.dwg"), 0);
  EXPECT_TRUE(base::files::isDirectory(blocker));
  EXPECT_TRUE(noParts());
  expectCompletion(completions(), 0, update::kStepBlockFetched);
}

TEST_F(FetchWorkerTest, FolderNamedLikeAnXmlFileDoesNotChangeThePrivateName) {
  ASSERT_TRUE(base::files::createDirectory(folder.file(u"lists.xml")));
  server.answer(u"/b.dwg", body("AC1018 block"));
  EXPECT_EQ(run(u"lists.xml/b.dwg", u"/b.dwg"), 1);
  EXPECT_EQ(contentOf(u"lists.xml/b.dwg"), "AC1018 block");
}

TEST_F(FetchWorkerTest, TargetWithoutAKnownExtensionIsRefusedUntouched) {
  base::files::writeWhole(folder.file(u"notes.txt"), "mine");
  server.answer(u"/notes.txt", body("theirs"));
  EXPECT_EQ(run(u"notes.txt", u"/notes.txt"), 0);
  EXPECT_EQ(contentOf(u"notes.txt"), "mine");
  EXPECT_EQ(server.log().count("connect"), 0u);
  expectCompletion(completions(), 0, update::kStepBlockFetched);
}

// --- What may replace a library file ------------------------------------------------------------------

struct PlausibilityCase {
  const char* what;
  std::u16string target;
  FakeAnswer answer;
  std::optional<uint64_t> listedSize;
  int32_t result;
};

// Beside block Door lies block Door_, whose file a download of Door must never touch.
TEST_F(FetchWorkerTest, OnlyAPlausibleDownloadReplacesItsTargetAndItsNeighboursStayAlone) {
  const std::string portal = "<!DOCTYPE html><html><head><meta charset=utf-8><title>Sign in</title></head>"
                             "<body><p>Sign in<br></body></html>";
  const std::vector<PlausibilityCase> cases = {
      {"a block", u"Door.dwg", body("AC1018 door"), std::nullopt, 1},
      {"a block of its listed size", u"Door.dwg", body("AC1018 door"), 11, 1},
      {"an old release's block", u"Door.dwg", body("AC1.50 door"), std::nullopt, 1},
      {"not found", u"Door.dwg", status(404), std::nullopt, 0},
      // WinINet ends a body at its Content-Length and reports success: only the listed size tells.
      {"a body cut at a Content-Length below the file's", u"Door.dwg", body("AC1018 door, first hal"), 40, 0},
      {"a web page as a block", u"Door.dwg", body(portal), std::nullopt, 0},
      {"a block without its version", u"Door.dwg", body("AC door"), std::nullopt, 0},
      {"an item list", u"FileList.xml", body("<root><Item id=\"1\"/></root>"), std::nullopt, 1},
      {"a web page as an item list", u"FileList.xml", body(portal), std::nullopt, 0},
      {"a well-formed web page as an item list", u"FileList.xml", body("<html><body>Sign in</body></html>"),
       std::nullopt, 0},
      {"an item list that is not markup", u"FileList.xml", body("Service unavailable"), std::nullopt, 0},
      {"an item list with two roots", u"FileList.xml", body("<root/><root/>"), std::nullopt, 0},
  };
  for (const PlausibilityCase& c : cases) {
    SCOPED_TRACE(c.what);
    base::files::writeWhole(folder.file(u"Door_.dwg"), "AC1018 Door_, the user's");
    base::files::writeWhole(folder.file(u"Door.dwg"), "AC1015 old door");
    base::files::writeWhole(folder.file(u"FileList.xml"), "<root>old</root>");
    server.answer(u"/d", c.answer);
    EXPECT_EQ(run(c.target, u"/d", true, c.listedSize), c.result);
    std::string before = c.target == u"Door.dwg" ? "AC1015 old door" : "<root>old</root>";
    EXPECT_EQ(contentOf(c.target), c.result == 1 ? c.answer.body : before);
    EXPECT_EQ(contentOf(u"Door_.dwg"), "AC1018 Door_, the user's");
    EXPECT_EQ(base::files::listFiles(folder.path()).size(), 3u);  // no part left
  }
}

TEST_F(FetchWorkerTest, OnlyPartsOfEndedProgramsAreSweptAndAFetchLeavesOtherDownloadsAlone) {
  // Process 1 runs; ids above 2^31 never do. Door.dwg.1-4.part is whole and about to be put in place.
  for (const char16_t* name : {u"Door.dwg.1-4.part", u"Door.dwg.4000000000-4.part", u"FileList.xml.4000000000-0.part",
                               u"a.dwg.part", u"held.dwg.part", u"notes.part", u"b.dwg", u"c.dwg.1.part"})
    base::files::writeWhole(folder.file(name), "AC1018 x");
  base::OutputFile held;
  ASSERT_TRUE(base::OutputFile::removeUnlessHeld(folder.file(u"held.dwg.part")));
  ASSERT_TRUE(held.createNew(folder.file(u"held.dwg.part")));
  server.answer(u"/d.dwg", body("AC1018 door"));
  EXPECT_EQ(run(u"Door.dwg", u"/d.dwg"), 1);
  EXPECT_EQ(contentOf(u"Door.dwg"), "AC1018 door");
  EXPECT_EQ(contentOf(u"Door.dwg.1-4.part"), "AC1018 x");
  EXPECT_EQ(update::removeStaleParts(folder.path()), 3u);
  std::vector<std::u16string> left = base::files::listFiles(folder.path());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::u16string>{u"Door.dwg", u"Door.dwg.1-4.part", u"b.dwg", u"c.dwg.1.part",
                                               u"held.dwg.part", u"notes.part"}));
}

TEST_F(FetchWorkerTest, AListSentWithItsValidatorsIsKeptWhenTheServerSaysItIsUnchanged) {
  base::files::writeWhole(folder.file(u"FileList.xml"), "<root>old</root>");
  FakeAnswer list = body("<root>new</root>");
  list.etag = u"\"v2\"";
  list.lastModified = u"Thu, 10 Dec 2026 08:00:00 GMT";
  server.answer(u"/l.xml", list);
  update::FetchOrder order{u"http://127.0.0.1/l.xml", folder.file(u"FileList.xml"), window};
  order.validators = {u"\"v1\"", u"Wed, 09 Dec 2026 10:00:00 GMT"};
  order.answered = std::make_shared<update::AnsweredValidators>();
  EXPECT_EQ(update::fetchWorker(order, services()), update::kFetchStored);
  EXPECT_EQ(server.log().sentHeaders.back(),
            u"If-None-Match: \"v1\"\r\nIf-Modified-Since: Wed, 09 Dec 2026 10:00:00 GMT\r\n");
  EXPECT_EQ(order.answered->validators.etag, u"\"v2\"");
  EXPECT_EQ(order.answered->validators.lastModified, u"Thu, 10 Dec 2026 08:00:00 GMT");

  order.validators = order.answered->validators;
  order.answered->validators = {};
  EXPECT_EQ(update::fetchWorker(order, services()), update::kFetchUnchanged);
  EXPECT_EQ(contentOf(u"FileList.xml"), "<root>new</root>");
  EXPECT_TRUE(order.answered->validators.empty());
  EXPECT_TRUE(noParts());
  EXPECT_EQ(completions().back().wParam, uint32_t(update::kFetchUnchanged));

  order.validators = {};  // a 304 nobody asked for is no file
  FakeAnswer unasked = status(304);
  server.answer(u"/l.xml", unasked);
  EXPECT_EQ(update::fetchWorker(order, services()), update::kFetchFailed);
  EXPECT_TRUE(server.log().sentHeaders.back().empty());
}

TEST_F(FetchWorkerTest, TransientFailuresAreTriedTwiceMoreAfterAPause) {
  FakeAnswer reset = body("AC1018 half");
  reset.breakAfter = 4;
  FakeAnswer unreachable;
  unreachable.reachable = false;
  struct Case {
    const char* what;
    std::vector<FakeAnswer> answers;
    int32_t outcome;
    size_t requests;
  };
  const Case cases[] = {
      {"503, then whole", {status(503), body("AC1018 b")}, update::kFetchStored, 2},
      {"reset, timeout, then whole", {reset, unreachable, body("AC1018 b")}, update::kFetchStored, 3},
      {"three server errors", {status(500), status(502), status(503), body("AC1018 b")}, update::kFetchFailed, 3},
      {"not found is final", {status(404), body("AC1018 b")}, update::kFetchFailed, 1},
      {"a refused download is final", {body("<html>sign in</html>"), body("AC1018 b")}, update::kFetchFailed, 1},
  };
  for (const Case& c : cases) {
    FakeHttpServer fresh{clock};
    fresh.answerInTurn(u"/b.dwg", c.answers);
    size_t sleepsBefore = clock->sleeps().size();
    update::FetchOrder order{u"http://127.0.0.1/b.dwg", folder.file(u"b.dwg"), nullptr};
    EXPECT_EQ(update::fetchWorker(order, {fresh.factory(), clock}), c.outcome) << c.what;
    EXPECT_EQ(fresh.log().paths.size(), c.requests) << c.what;
    EXPECT_EQ(clock->sleeps().size() - sleepsBefore, c.requests - 1) << c.what;
    EXPECT_TRUE(noParts()) << c.what;
    base::files::remove(folder.file(u"b.dwg"));
  }
}

// --- Windows that are absent or go away ---------------------------------------------------------------

TEST_F(FetchWorkerTest, WithoutAWindowTheFileIsReplacedAndNothingIsReported) {
  base::files::writeWhole(folder.file(u"InkCasket.xml"), "old index");
  server.answer(u"/InkCasket/InkCasket.xml", body("<root>fresh index</root>"));
  EXPECT_EQ(run(u"InkCasket.xml", u"/InkCasket/InkCasket.xml", false), 1);
  EXPECT_EQ(contentOf(u"InkCasket.xml"), "<root>fresh index</root>");
  EXPECT_TRUE(window->messages().empty());
  EXPECT_TRUE(clock->sleeps().empty());
}

TEST_F(FetchWorkerTest, WindowGoneBeforeTheStartGetsNothing) {
  window->close();
  server.answer(u"/a.dwg", body("AC1018 block"));
  EXPECT_EQ(run(u"a.dwg", u"/a.dwg"), 1);
  EXPECT_TRUE(window->messages().empty());
  EXPECT_TRUE(clock->sleeps().empty());
}

TEST_F(FetchWorkerTest, WindowClosedDuringTheDownloadStillGetsTheFileStored) {
  FakeAnswer slow = body("AC1018" + std::string(4090, 's'));
  slow.msPerRead = 200;
  server.answer(u"/a.dwg", slow);
  window->closeAfter(1);
  EXPECT_EQ(run(u"a.dwg", u"/a.dwg"), 1);
  EXPECT_EQ(contentOf(u"a.dwg"), "AC1018" + std::string(4090, 's'));
  std::vector<WindowMessage> seen = window->messages();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].lParam, update::kProgressBase);
}

TEST_F(FetchWorkerTest, ASmallFileReportsOnlyItsCompletion) {
  server.answer(u"/a.dwg", body("AC1018 small"));
  EXPECT_EQ(run(u"a.dwg", u"/a.dwg"), 1);
  std::vector<WindowMessage> seen = window->messages();
  ASSERT_EQ(seen.size(), 1u);  // a small file arrives before any progress is due
  EXPECT_EQ(seen[0].wParam, 1u);
  EXPECT_EQ(seen[0].lParam, update::kStepBlockFetched);
}

// --- On a thread of its own ---------------------------------------------------------------------------

void waitForWorkersToEnd() {
  for (int i = 0; i < 3000 && update::fetchWorkersRunning() > 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

TEST_F(FetchWorkerTest, StartedWorkerKeepsItsOwnCopyOfTheOrder) {
  server.answer(u"/b/7.dwg", body("AC1018 seven"));
  update::FetchOrder order{u"http://127.0.0.1/b/7.dwg", folder.file(u"Seven.dwg"), window};
  update::startFetchWorker(order, services());
  order.url = u"http://127.0.0.1/elsewhere.dwg";
  order.localPath = folder.file(u"Other.dwg");
  order.window.reset();
  ASSERT_TRUE(window->waitForPost());
  waitForWorkersToEnd();
  EXPECT_EQ(update::fetchWorkersRunning(), 0u);
  EXPECT_EQ(contentOf(u"Seven.dwg"), "AC1018 seven");
  EXPECT_FALSE(onDisk(u"Other.dwg"));
  expectCompletion(completions(), 1, update::kStepBlockFetched);
}

TEST_F(FetchWorkerTest, StartedWorkerWithoutWindowRefreshesSilently) {
  server.answer(u"/InkCasket/InkCasket.xml", body("<root/>"));
  update::startFetchWorker({u"http://127.0.0.1/InkCasket/InkCasket.xml", folder.file(u"InkCasket.xml"), nullptr},
                           services());
  waitForWorkersToEnd();
  EXPECT_EQ(update::fetchWorkersRunning(), 0u);
  EXPECT_EQ(contentOf(u"InkCasket.xml"), "<root/>");
  EXPECT_TRUE(noParts());
}

}  // namespace
