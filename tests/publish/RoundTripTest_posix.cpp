// A source tree published, served on 127.0.0.1 by the test server, and fetched by the gallery's
// update walk through the real fetch worker into an empty library: the library the walk wrote
// holds every block of the source, byte for byte, under its name, with its details.
#include <gtest/gtest.h>

#include <deque>

#include "FakeClock.h"
#include "PublishFiles.h"
#include "SocketHttpSource.h"
#include "TestServerProcess.h"
#include "library/Categories.h"
#include "library/Selection.h"
#include "update/FetchWorker.h"
#include "update/UpdateCodes.h"
#include "update/UpdateWalk.h"

namespace {

using namespace publish_tests;
namespace fs = std::filesystem;

// The update dialog reduced to what the walk needs: posted steps run in order, each fetch runs
// the real worker against the server before the walk hears of its end.
class ServedWalkHost final : public update::UpdateWalkHost {
public:
  explicit ServedWalkHost(const library::CategoryTable& table) : table_(table) {}

  void run(update::UpdateWalk& walk) {
    walk.start();
    while (!posted_.empty() || !pending_.empty()) {
      if (!posted_.empty()) {
        int32_t step = posted_.front();
        posted_.pop_front();
        walk.handleStep(0, step);
        continue;
      }
      update::FetchOrder order = pending_.front();
      pending_.pop_front();
      update::FetchServices services{[] { return update_tests::openSocketSession(5000); },
                                     std::make_shared<update_tests::FakeClock>()};
      int32_t result = update::fetchWorker(order, services);
      walk.handleStep(update::completionWord(order.ticket, result), update::completionCodeFor(order.localPath));
    }
  }
  std::u16string status;

  const library::CategoryTable& categoryTable() const override { return table_; }
  void postStep(int32_t step) override { posted_.push_back(step); }
  void startFetch(update::FetchOrder order) override { pending_.push_back(std::move(order)); }
  void setStatus(const std::u16string& text) override { status = text; }
  void redrawStatus() override {}
  void setBar(uint32_t) override {}
  void redrawBar() override {}
  void requestReload() override {}
  void writeDebugLine(std::u16string_view) override {}

private:
  const library::CategoryTable& table_;
  std::deque<int32_t> posted_;
  std::deque<update::FetchOrder> pending_;
};

// Every .dwg below a folder by its path there, with its bytes.
std::map<std::string, std::string> blockFiles(const std::u16string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(root))) {
    if (entry.path().extension() != ".dwg") continue;
    std::string bytes;
    base::files::readWhole(entry.path().u16string(), bytes);
    files[entry.path().lexically_relative(fs::path(root)).string()] = bytes;
  }
  return files;
}

TEST(PublishRoundTrip, TheUpdateWalkFetchesTheSourceTree) {
  PublishFolders f;
  f.put("01_建筑/01_门/单开门.dwg", dwg(1));
  f.put("01_建筑/01_门/旧名.dwg", dwg(2));
  f.put("01_建筑/01_门/blocks.csv", "file,name,spec,detail,mfrs,url\n旧名.dwg,双开门,\"1500×2100, 木\",,墨匣,\n");
  f.put("01_建筑/03_楼梯/01_直跑/直跑A.dwg", dwg(3));
  f.put("01_建筑/03_楼梯/02_旋转/旋转A.dwg", dwgWithoutPreview());
  f.put("09_园林景观/02_园林/景观亭.dwg", dwg(4));
  f.folder("09_园林景观/03_空");
  publish::Outcome outcome = f.publish();
  ASSERT_EQ(outcome.exitCode, 0) << joined(outcome.errors);

  update_tests::ServerProcess server(base::toUtf8(f.out()));
  if (server.port() == 0) GTEST_SKIP() << "python3 or the test server is not available";
  testing_support::TempFolder documents;
  library::LibraryPlace place{documents.path(), base::joinPath(f.out(), u"InkCasket"),
                              u"http://127.0.0.1:" + base::decimal(server.port()) + u"/InkCasket"};
  library::writeSelection(place.dataRoot, u"11");
  library::Categories categories;
  ASSERT_TRUE(library::rebuildCategories(place, categories));   // the server's index as the default one

  update::WalkState state;
  auto walkOnce = [&] {
    ServedWalkHost host(categories.table);
    update::UpdateWalk walk(state, host);
    host.run(walk);
    return host.status;
  };
  EXPECT_EQ(walkOnce(), u"更新完成， 共下载  5 个图块");

  std::map<std::string, std::string> wanted = blockFiles(f.source());
  wanted["01_建筑/01_门/双开门.dwg"] = wanted["01_建筑/01_门/旧名.dwg"];
  wanted.erase("01_建筑/01_门/旧名.dwg");
  EXPECT_EQ(blockFiles(documents.path()), wanted);

  // The keeper mends a block and publishes again: the gallery that had the old one gets it, and only it.
  f.put("01_建筑/01_门/单开门.dwg", dwg(11));
  outcome = f.publish();
  ASSERT_EQ(outcome.exitCode, 0) << joined(outcome.errors);
  update::restartWalkFromFirstRow(state);
  EXPECT_EQ(walkOnce(), u"更新完成， 共下载  1 个图块");
  wanted["01_建筑/01_门/单开门.dwg"] = dwg(11);
  EXPECT_EQ(blockFiles(documents.path()), wanted);

  library::BlockList doors;
  library::parseItemList(base::joinPath(categories.table[2].folder, u"FileList.xml"), categories.table[2], doors);
  ASSERT_EQ(doors.size(), 2u);
  EXPECT_EQ(doors[0].name, u"双开门");
  EXPECT_EQ(doors[0].spec, u"1500×2100, 木");
  EXPECT_EQ(doors[0].mfrs, u"墨匣");
  EXPECT_TRUE(base::files::exists(documents.file(u"09_园林景观/03_空/FileList.xml")));
}

}  // namespace
