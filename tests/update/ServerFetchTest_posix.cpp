// Downloads against the local test server in each of its fault modes, through the real worker.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "FakeClock.h"
#include "SocketHttpSource.h"
#include "TestServerProcess.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "support/TempFolder.h"
#include "update/FetchWorker.h"

namespace {

using namespace update_tests;

// A port on 127.0.0.1 that nobody listens on.
uint16_t refusedPort() {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof a;
  ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size);
  ::close(fd);
  return ntohs(a.sin_port);
}

class ServerFetchTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    served = new testing_support::TempFolder;
    std::u16string folder = served->file(u"InkCasket");
    base::files::createDirectory(folder);
    base::files::createDirectory(base::joinPath(folder, u"园林"));
    std::string block = "AC1018";
    for (int i = 6; i < 5000; ++i) block += char('A' + i % 26);
    base::files::writeWhole(base::joinPath(base::joinPath(folder, u"园林"), u"b1.dwg"), block);
    base::files::writeWhole(base::joinPath(base::joinPath(folder, u"园林"), u"园林.xml"), "<root><Item id=\"b1\"/></root>");
    server = new ServerProcess(base::toUtf8(served->path()));
  }
  static void TearDownTestSuite() {
    delete server;
    delete served;
  }
  void SetUp() override {
    if (server->port() == 0) GTEST_SKIP() << "python3 or the test server is not available";
    control(u"/__fault?clear=1");
    base::files::writeWhole(library.file(u"b1.dwg"), "old block");
  }

  int32_t fetch(const std::u16string& path, uint16_t port = 0, std::optional<uint64_t> size = std::nullopt) {
    update::FetchOrder order{u"http://127.0.0.1:" + base::decimal(port ? port : server->port()) + path,
                             library.file(u"b1.dwg"), nullptr, size};
    update::FetchServices services{[] { return openSocketSession(1500); }, std::make_shared<FakeClock>()};
    return update::fetchWorker(order, services);
  }
  void control(const std::u16string& query) {
    update::FetchOrder order{u"http://127.0.0.1:" + base::decimal(server->port()) + query,
                             library.file(u"control.dwg"), nullptr};
    update::fetchWorker(order, {[] { return openSocketSession(5000); }, std::make_shared<FakeClock>()});
  }
  std::string block() {
    std::string bytes;
    base::files::readWhole(library.file(u"b1.dwg"), bytes);
    return bytes;
  }
  void expectOldBlockKept() {
    EXPECT_EQ(block(), "old block");
    EXPECT_FALSE(base::files::exists(library.file(u"b1.dwg.part")));
  }

  static inline testing_support::TempFolder* served = nullptr;
  static inline ServerProcess* server = nullptr;
  testing_support::TempFolder library;
  const std::u16string blockPath = u"/InkCasket/%E5%9B%AD%E6%9E%97/b1.dwg";
};

TEST_F(ServerFetchTest, PlainAnswerReplacesTheBlock) {
  EXPECT_EQ(fetch(blockPath), 1);
  EXPECT_EQ(block().size(), 5000u);
  EXPECT_EQ(block().substr(0, 7), "AC1018G");
  EXPECT_FALSE(base::files::exists(library.file(u"b1.dwg.part")));
}

TEST_F(ServerFetchTest, EveryFaultModeLeavesTheOldBlock) {
  for (std::u16string mode : {u"404", u"no-length", u"short", u"drop", u"slow", u"html"}) {
    control(u"/__fault?clear=1&mode=" + mode);
    EXPECT_EQ(fetch(blockPath), 0) << base::toUtf8(mode);
    expectOldBlockKept();
  }
  // The body ends at a Content-Length below the file's size, and looks whole: the listed size tells.
  control(u"/__fault?clear=1&mode=low-length");
  EXPECT_EQ(fetch(blockPath, 0, 5000), 0);
  expectOldBlockKept();
}

TEST_F(ServerFetchTest, BytesBeyondTheContentLengthAreNeverRead) {
  control(u"/__fault?clear=1&mode=long");
  EXPECT_EQ(fetch(blockPath, 0, 5000), 1);
  EXPECT_EQ(block().size(), 5000u);
}

TEST_F(ServerFetchTest, RefusedPortLeavesTheOldBlock) {
  EXPECT_EQ(fetch(blockPath, refusedPort()), 0);
  expectOldBlockKept();
}

TEST_F(ServerFetchTest, FaultForOnePatternSparesTheOthers) {
  control(u"/__fault?mode=404&path=*.xml");
  EXPECT_EQ(fetch(blockPath, 0, 5000), 1);
}

}  // namespace
