#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "FakeClock.h"
#include "FakeHttp.h"
#include "base/Files.h"
#include "support/TempFolder.h"
#include "update/IndexRefresh.h"

namespace {

using namespace update_tests;

class IndexRefreshTest : public ::testing::Test {
protected:
  std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
  FakeHttpServer server{clock};
  testing_support::TempFolder root;

  void refreshAndWait() {
    update::startSilentIndexRefresh(u"http://127.0.0.1:8480/InkCasket", root.path(), {server.factory(), clock});
    for (int i = 0; i < 500 && update::fetchWorkersRunning() > 0; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(update::fetchWorkersRunning(), 0u);
  }
  std::string index() {
    std::string bytes;
    base::files::readWhole(root.file(u"InkCasket.xml"), bytes);
    return bytes;
  }
};

FakeAnswer answerWith(std::string bytes, uint32_t status = 200) {
  FakeAnswer a;
  a.body = std::move(bytes);
  a.status = status;
  return a;
}

TEST(IndexRefreshOrder, FetchesTheServersIndexIntoTheDataRootWithoutAWindow) {
  update::FetchOrder order = update::indexRefreshOrder(u"http://h:1/InkCasket", u"/docs/Scrydir/InkCasket");
  EXPECT_EQ(order.url, u"http://h:1/InkCasket/InkCasket.xml");
  EXPECT_EQ(order.localPath, u"/docs/Scrydir/InkCasket/InkCasket.xml");
  EXPECT_EQ(order.window, nullptr);
}

TEST_F(IndexRefreshTest, AWholeIndexReplacesTheLocalOneBypassingTheCache) {
  base::files::writeWhole(root.file(u"InkCasket.xml"), "<root>old</root>");
  server.answer(u"/InkCasket/InkCasket.xml", answerWith("<root>new</root>"));
  refreshAndWait();
  EXPECT_EQ(index(), "<root>new</root>");
  EXPECT_FALSE(base::files::exists(root.file(u"InkCasket_.xml")));
  EXPECT_EQ(server.log().modes, std::vector<update::CacheMode>{update::CacheMode::FromServerOnly});
  EXPECT_TRUE(clock->sleeps().empty()) << "no window follows the refresh, so it never waits for a quick finish";
}

TEST_F(IndexRefreshTest, TheIndexIsAskedForWithTheValidatorsItCameWith) {
  base::files::writeWhole(root.file(u"InkCasket.xml"), "<root>default copy</root>");
  FakeAnswer index = answerWith("<root>served</root>");
  index.etag = u"\"i1\"";
  server.answer(u"/InkCasket/InkCasket.xml", index);
  refreshAndWait();
  refreshAndWait();
  std::vector<std::u16string> sent = server.log().sentHeaders;
  EXPECT_EQ(sent, (std::vector<std::u16string>{u"", u"If-None-Match: \"i1\"\r\n"}));
  EXPECT_EQ(this->index(), "<root>served</root>");
}

TEST_F(IndexRefreshTest, AFailedOrEmptyAnswerKeepsTheIndexTheGalleryHas) {
  base::files::writeWhole(root.file(u"InkCasket.xml"), "<root>old</root>");
  server.answer(u"/InkCasket/InkCasket.xml", answerWith("missing", 404));
  refreshAndWait();
  EXPECT_EQ(index(), "<root>old</root>");
  server.answer(u"/InkCasket/InkCasket.xml", answerWith(""));
  refreshAndWait();
  EXPECT_EQ(index(), "<root>old</root>");
  EXPECT_EQ(base::files::listFiles(root.path()), std::vector<std::u16string>{u"InkCasket.xml"});
}

}  // namespace
