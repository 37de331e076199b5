#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "WalkBench.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "support/TempFolder.h"
#include "update/UpdateCodes.h"
#include "update/UpdateWalk.h"

namespace {

using namespace update_tests;
using library::RowLevel;

constexpr char16_t kBase[] = u"http://127.0.0.1:8480/InkCasket";

std::string itemList(const std::vector<std::pair<std::string, std::string>>& items) {
  std::string text = "\xEF\xBB\xBF<root>\r";
  for (const auto& [id, name] : items)
    text += "<Item id=\"" + id + "\"><Name>" + name + ".dwg</Name><Spec>s</Spec><Detail>d</Detail>"
            "<Mfrs>m</Mfrs><Url>no</Url></Item>\r";
  return text + "</root>";
}

// A library of one specialty: Trees (a category without sub-categories), Paving (a category divided
// into Stone and Brick) and Lights (a category that is the last row).
class UpdateWalkTest : public ::testing::Test {
protected:
  UpdateWalkTest() {
    root = folder.path();
    landscape = base::joinPath(root, u"01_Landscape");
    trees = base::joinPath(landscape, u"02_Trees");
    paving = base::joinPath(landscape, u"03_Paving");
    stone = base::joinPath(paving, u"01_Stone");
    brick = base::joinPath(paving, u"Brick");
    lights = base::joinPath(landscape, u"Lights");
    for (const std::u16string& f : {landscape, trees, paving, stone, brick, lights}) base::files::createDirectory(f);
    std::u16string url = kBase;
    rows = {{RowLevel::Root, url, root},
            {RowLevel::Specialty, url + u"/Landscape", landscape},
            {RowLevel::Category, url + u"/Landscape/Trees", trees},
            {RowLevel::Category, url + u"/Landscape/Paving", paving},
            {RowLevel::SubCategory, url + u"/Landscape/Paving/Stone", stone},
            {RowLevel::SubCategory, url + u"/Landscape/Paving/Brick", brick},
            {RowLevel::Category, url + u"/Landscape/Lights", lights}};
    files[url + u"/Landscape/Trees/Trees.xml"] = itemList({{"t1", "01_Oak"}, {"t2", "Pine"}, {"t3", "Birch"}});
    files[url + u"/Landscape/Paving/Stone/Stone.xml"] = itemList({{"s1", "Granite"}});
    files[url + u"/Landscape/Paving/Brick/Brick.xml"] = "<root></root>";
    files[url + u"/Landscape/Lights/Lights.xml"] = itemList({{"l1", "Lamp"}});
    for (const char16_t* block : {u"/Landscape/Trees/t1.dwg", u"/Landscape/Trees/t2.dwg", u"/Landscape/Trees/t3.dwg",
                                  u"/Landscape/Paving/Stone/s1.dwg", u"/Landscape/Lights/l1.dwg"})
      files[url + block] = "AC1018 " + base::toUtf8(block);
  }

  // One update dialog: a fresh walk over the shared state, run until its chain ends.
  WalkBench& openDialog(std::set<std::u16string> failing = {}, size_t closeAfterFetches = SIZE_MAX) {
    benches.emplace_back(std::make_unique<WalkBench>());
    WalkBench& bench = *benches.back();
    bench.table = rows;
    bench.serverFiles = files;
    bench.failing = std::move(failing);
    bench.held = heldUrls;
    walks.emplace_back(std::make_unique<update::UpdateWalk>(state, bench));
    bench.run(*walks.back(), closeAfterFetches);
    if (closeAfterFetches != SIZE_MAX) walks.back().reset();  // the dialog has gone
    return bench;
  }
  update::UpdateWalk& lastWalk() { return *walks.back(); }

  static std::vector<std::u16string> urlsOf(const WalkBench& bench) {
    std::vector<std::u16string> urls;
    for (const StartedFetch& f : bench.fetches) urls.push_back(f.url.substr(std::u16string(kBase).size()));
    return urls;
  }
  std::u16string block(const std::u16string& folder, const std::u16string& name) {
    return base::joinPath(folder, name) + u".dwg";
  }

  testing_support::TempFolder folder;
  std::u16string root, landscape, trees, paving, stone, brick, lights;
  library::CategoryTable rows;
  std::map<std::u16string, std::string> files;
  std::set<std::u16string> heldUrls;
  update::WalkState state;
  std::vector<std::unique_ptr<WalkBench>> benches;
  std::vector<std::unique_ptr<update::UpdateWalk>> walks;
};

const std::vector<std::u16string> kLists = {u"/Landscape/Trees/Trees.xml", u"/Landscape/Paving/Stone/Stone.xml",
                                            u"/Landscape/Paving/Brick/Brick.xml", u"/Landscape/Lights/Lights.xml"};
const std::vector<std::u16string> kBlocks = {u"/Landscape/Trees/t1.dwg", u"/Landscape/Trees/t2.dwg",
                                             u"/Landscape/Trees/t3.dwg", u"/Landscape/Paving/Stone/s1.dwg",
                                             u"/Landscape/Lights/l1.dwg"};

std::vector<std::u16string> listsThen(std::vector<std::u16string> blocks) {
  blocks.insert(blocks.begin(), kLists.begin(), kLists.end());
  return blocks;
}

// --- Whole walks ----------------------------------------------------------------------------------------

TEST_F(UpdateWalkTest, FirstWalkFetchesEveryLeafListThenEveryMissingBlockInIndexOrder) {
  WalkBench& bench = openDialog();
  EXPECT_EQ(urlsOf(bench), listsThen(kBlocks));
  EXPECT_EQ(bench.fetches[0].localPath, base::joinPath(trees, u"FileList.xml"));
  EXPECT_EQ(bench.fetches[4].localPath, block(trees, u"01_Oak"));
  EXPECT_EQ(bench.mostInFlight, 5u);
  EXPECT_TRUE(base::files::exists(block(stone, u"Granite")));
  EXPECT_TRUE(base::files::exists(block(lights, u"Lamp")));
  EXPECT_EQ(bench.lastStatus(), u"更新完成， 共下载  5 个图块");
  EXPECT_EQ(bench.reloads, 1);
  EXPECT_EQ(lastWalk().downloadedCount(), 0);
  EXPECT_EQ(lastWalk().attemptedCount(), 5);
  EXPECT_EQ(state.categoryCursor, rows.size());
  EXPECT_TRUE(bench.traced(u"\n更新完成 7\n"));
}

TEST_F(UpdateWalkTest, EachWalkFirstClearsEndedDownloadsAndHandsOnTheListedSizes) {
  base::files::writeWhole(base::joinPath(root, u"InkCasket.xml.part"), "<ro");
  base::files::writeWhole(base::joinPath(stone, u"Granite.dwg.part"), "AC10");
  base::files::writeWhole(base::joinPath(stone, u"Granite.dwg"), "AC1018 granite");
  std::u16string treesUrl = std::u16string(kBase) + u"/Landscape/Trees/";
  files[treesUrl + u"Trees.xml"] = "<root><Item id=\"t1\"><Name>Oak</Name><Spec/><Detail/><Mfrs/><Url/>"
                                "<Size>4096</Size></Item><Item id=\"t2\"><Name>Pine</Name><Spec/><Detail/><Mfrs/>"
                                "<Url/></Item></root>";
  WalkBench& bench = openDialog();
  EXPECT_FALSE(base::files::exists(base::joinPath(root, u"InkCasket.xml.part")));
  EXPECT_FALSE(base::files::exists(base::joinPath(stone, u"Granite.dwg.part")));
  ASSERT_GE(bench.fetches.size(), 6u);
  EXPECT_EQ(bench.fetches[0].size, std::nullopt);  // the item list
  EXPECT_EQ(bench.fetches[4].url, treesUrl + u"t1.dwg");
  EXPECT_EQ(bench.fetches[4].size, 4096u);
  EXPECT_EQ(bench.fetches[5].url, treesUrl + u"t2.dwg");
  EXPECT_EQ(bench.fetches[5].size, std::nullopt);
}

TEST_F(UpdateWalkTest, LibraryAllOnDiskFetchesOnlyTheListsAndSaysItIsCurrent) {
  for (auto [f, name] : {std::pair{trees, u"01_Oak"}, {trees, u"Pine"}, {trees, u"Birch"}, {stone, u"Granite"},
                         {lights, u"Lamp"}})
    base::files::writeWhole(block(f, name), "mine");
  WalkBench& bench = openDialog();
  EXPECT_EQ(urlsOf(bench), kLists);
  EXPECT_EQ(bench.lastStatus(), u"更新文件检查完成，墨匣已是最新");
  EXPECT_EQ(bench.bar.back(), 100u);
  EXPECT_EQ(bench.barRedraws, 1);
  EXPECT_EQ(bench.reloads, 0);
  EXPECT_TRUE(bench.traced(u"\n图块已有 2\n"));
  std::string kept;
  base::files::readWhole(block(trees, u"Pine"), kept);
  EXPECT_EQ(kept, "mine");
}

TEST_F(UpdateWalkTest, SecondUpdateAfterACompleteWalkEndsAtOnce) {
  openDialog();
  WalkBench& second = openDialog();
  EXPECT_TRUE(second.fetches.empty());
  EXPECT_EQ(second.statuses, std::vector<std::u16string>{u"更新文件检查完成，墨匣已是最新"});
  EXPECT_EQ(second.reloads, 0);
}

TEST_F(UpdateWalkTest, AddMoreRestartsTheNextWalkFromTheFirstRow) {
  openDialog();
  update::restartWalkFromFirstRow(state);
  WalkBench& again = openDialog();
  EXPECT_EQ(again.fetches.size(), 4u);  // the lists again, every block already stored
  EXPECT_EQ(again.lastStatus(), u"更新文件检查完成，墨匣已是最新");
}

// --- Failures -----------------------------------------------------------------------------------------

TEST_F(UpdateWalkTest, FailureAtTheThirdBlockTellsTwoKeepsWhatLandsAndResumesAtItsCategory) {
  std::u16string third = std::u16string(kBase) + u"/Landscape/Trees/t3.dwg";
  WalkBench& failed = openDialog({third});
  EXPECT_EQ(failed.lastStatus(), u"没有下载到当前更新文件, 已更新2个图块");
  EXPECT_EQ(failed.statusRedraws, 1);
  EXPECT_EQ(failed.reloads, 3);  // the two before the failure, then each of the two in flight
  EXPECT_EQ(lastWalk().attemptedCount(), 5);
  EXPECT_EQ(state.categoryCursor, 2u);
  for (auto [f, name] : {std::pair{trees, u"01_Oak"}, {trees, u"Pine"}, {stone, u"Granite"}, {lights, u"Lamp"}})
    EXPECT_TRUE(base::files::exists(block(f, name)));
  EXPECT_FALSE(base::files::exists(block(trees, u"Birch")));
  EXPECT_TRUE(failed.traced(u"\n下载失败图块\n"));

  WalkBench& resumed = openDialog();
  EXPECT_EQ(urlsOf(resumed), listsThen({u"/Landscape/Trees/t3.dwg"}));
  EXPECT_EQ(resumed.lastStatus(), u"更新完成， 共下载  1 个图块");
}

TEST_F(UpdateWalkTest, FailedItemListBeforeAnyBlockSaysNothingWasDownloaded) {
  WalkBench& bench = openDialog({std::u16string(kBase) + u"/Landscape/Trees/Trees.xml"});
  EXPECT_EQ(bench.fetches.size(), 1u);
  EXPECT_EQ(bench.lastStatus(), u"没有下载到当前更新文件");
  EXPECT_EQ(bench.reloads, 0);
  EXPECT_EQ(bench.statusRedraws, 0);
  EXPECT_TRUE(bench.traced(u"\n下载失败XML\n"));
  EXPECT_TRUE(bench.traced(u"\n当前目录 2\n"));
  EXPECT_EQ(state.categoryCursor, 2u);
}

TEST_F(UpdateWalkTest, FailedFirstBlockSaysNothingWasDownloaded) {
  rows.resize(3);  // Trees only
  WalkBench& bench = openDialog({std::u16string(kBase) + u"/Landscape/Trees/t1.dwg"});
  EXPECT_EQ(bench.statuses.back(), u"没有下载到当前更新文件");
  EXPECT_EQ(bench.statusRedraws, 0);
  EXPECT_EQ(lastWalk().attemptedCount(), 3);
}

TEST_F(UpdateWalkTest, ClosingTheDialogDropsTheFetchesInFlightAndTheNextWalkAsksForThemAgain) {
  WalkBench& closed = openDialog({}, 9);  // closed once the four lists arrived and the five blocks were started
  EXPECT_EQ(closed.reloads, 0);
  EXPECT_FALSE(base::files::exists(block(trees, u"01_Oak")));

  WalkBench& next = openDialog();
  EXPECT_EQ(urlsOf(next), listsThen(kBlocks));
  EXPECT_EQ(next.lastStatus(), u"更新完成， 共下载  5 个图块");
}

TEST_F(UpdateWalkTest, SixBlocksAreFetchedAtOnceInListOrderAndTheBarOnlyMovesForward) {
  std::vector<std::pair<std::string, std::string>> many;
  for (int i = 0; i < 14; ++i) {
    std::string id = "m" + std::to_string(i);
    many.push_back({id, "Tree" + std::to_string(i)});
    files[std::u16string(kBase) + u"/Landscape/Trees/" + base::fromUtf8(id) + u".dwg"] = "AC1018 " + id;
  }
  files[std::u16string(kBase) + u"/Landscape/Trees/Trees.xml"] = itemList(many);
  WalkBench& bench = openDialog();
  EXPECT_EQ(bench.mostInFlight, 6u);
  EXPECT_EQ(bench.fetches[4].url, std::u16string(kBase) + u"/Landscape/Trees/m0.dwg");
  EXPECT_EQ(bench.fetches[17].url, std::u16string(kBase) + u"/Landscape/Trees/m13.dwg");
  EXPECT_TRUE(std::is_sorted(bench.bar.begin(), bench.bar.end()));
  EXPECT_EQ(bench.bar.size(), 16u);
  EXPECT_EQ(bench.bar.back(), 100u);
  EXPECT_EQ(bench.statuses[4], u"正在下载 Trees Tree0");
  EXPECT_EQ(bench.lastStatus(), u"更新完成， 共下载  16 个图块");
}

TEST_F(UpdateWalkTest, ABlockHeldOpenIsSkippedAndTheWalkGoesOn) {
  base::files::writeWhole(block(trees, u"Pine"), "AC1018 old pine, open in a drawing");
  update::UpdateRecord record(root);
  record.set(block(trees, u"Pine"), {u"old-pine"});
  ASSERT_TRUE(record.save());
  heldUrls = {std::u16string(kBase) + u"/Landscape/Trees/t2.dwg"};
  WalkBench& bench = openDialog();
  EXPECT_EQ(urlsOf(bench), listsThen(kBlocks));
  EXPECT_TRUE(bench.traced(u"\n图块被占用，跳过 7\n"));
  EXPECT_EQ(bench.lastStatus(), u"更新完成， 共下载  4 个图块");
}

// --- Which blocks are fetched again ---------------------------------------------------------------------

TEST_F(UpdateWalkTest, AChangedOrReplacedBlockReachesAGalleryThatHadTheOldOne) {
  openDialog();
  std::u16string treesUrl = std::u16string(kBase) + u"/Landscape/Trees/";
  // Pine changed (a new id); Birch removed and a different block of the same name added.
  files[treesUrl + u"Trees.xml"] = itemList({{"t1", "01_Oak"}, {"t2b", "Pine"}, {"b9", "Birch"}});
  files[treesUrl + u"t2b.dwg"] = "AC1018 pine, mended";
  files[treesUrl + u"b9.dwg"] = "AC1018 another birch";
  update::restartWalkFromFirstRow(state);
  WalkBench& bench = openDialog();
  EXPECT_EQ(urlsOf(bench), listsThen({u"/Landscape/Trees/t2b.dwg", u"/Landscape/Trees/b9.dwg"}));
  std::string pine;
  base::files::readWhole(block(trees, u"Pine"), pine);
  EXPECT_EQ(pine, "AC1018 pine, mended");

  // A record lost (or a library from before it) checks by size and is rebuilt: nothing is fetched.
  base::files::remove(base::joinPath(root, update::kUpdateRecordFile));
  update::restartWalkFromFirstRow(state);
  EXPECT_EQ(urlsOf(openDialog()), kLists);
  update::UpdateRecord rebuilt(root);
  ASSERT_NE(rebuilt.find(block(trees, u"Pine")), nullptr);
  EXPECT_EQ(rebuilt.find(block(trees, u"Pine"))->id, u"t2b");
}

TEST_F(UpdateWalkTest, ListsAreAskedForWithTheirValidatorsAndAnUnchangedOneIsReadFromDisk) {
  openDialog();
  std::u16string treesUrl = std::u16string(kBase) + u"/Landscape/Trees/";
  files[treesUrl + u"Trees.xml"] = itemList({{"t1", "01_Oak"}, {"t2", "Pine"}, {"t3", "Birch"}, {"t4", "Elm"}});
  files[treesUrl + u"t4.dwg"] = "AC1018 elm";
  base::files::remove(base::joinPath(lights, u"FileList.xml"));
  update::restartWalkFromFirstRow(state);
  WalkBench& bench = openDialog();
  EXPECT_EQ(urlsOf(bench), listsThen({u"/Landscape/Trees/t4.dwg"}));
  EXPECT_EQ(bench.fetches[0].sent.etag, WalkBench::etagOf(itemList({{"t1", "01_Oak"}, {"t2", "Pine"}, {"t3", "Birch"}})));
  EXPECT_EQ(bench.fetches[0].sent.lastModified, u"Wed, 09 Dec 2026 10:00:00 GMT");
  EXPECT_TRUE(bench.fetches[3].sent.empty());  // Lights' list is gone from disk: fetched whatever was recorded
  EXPECT_EQ(bench.lastStatus(), u"更新完成， 共下载  1 个图块");

  update::restartWalkFromFirstRow(state);
  WalkBench& third = openDialog();
  EXPECT_EQ(urlsOf(third), kLists);
  EXPECT_FALSE(third.fetches[0].sent.empty());
  EXPECT_EQ(third.lastStatus(), u"更新文件检查完成，墨匣已是最新");
}

// --- Rows, names and texts ----------------------------------------------------------------------------

TEST_F(UpdateWalkTest, CategoryDividedIntoSubCategoriesIsSkippedAndOthersAreFetched) {
  WalkBench& bench = openDialog();
  EXPECT_TRUE(bench.traced(u"\n此目录没有图块 3\n"));
  EXPECT_TRUE(bench.traced(u"\n进入下一目录 4\n"));
  EXPECT_TRUE(bench.traced(u"\n根或一级目录,进入下一目录 1\n"));
  EXPECT_TRUE(bench.traced(u"\n开始下载 2\n"));    // Trees, a category followed by a category
  EXPECT_TRUE(bench.traced(u"\n下载图块 4\n"));    // Stone, a sub-category
  EXPECT_TRUE(bench.traced(u"\n开始下载 6\n"));    // Lights, a category in the last row
  for (const StartedFetch& f : bench.fetches) EXPECT_EQ(f.url.find(u"/Paving/Paving.xml"), std::u16string::npos);
}

TEST_F(UpdateWalkTest, CategoryFollowedByACategoryIsALeaf) {
  rows.erase(rows.begin() + 3, rows.begin() + 6);  // Trees, then Lights
  WalkBench& bench = openDialog();
  EXPECT_EQ(urlsOf(bench), (std::vector<std::u16string>{u"/Landscape/Trees/Trees.xml", u"/Landscape/Lights/Lights.xml",
                                                         u"/Landscape/Trees/t1.dwg", u"/Landscape/Trees/t2.dwg",
                                                         u"/Landscape/Trees/t3.dwg", u"/Landscape/Lights/l1.dwg"}));
}

TEST_F(UpdateWalkTest, DebugLinesOfAnItemListFetch) {
  WalkBench& bench = openDialog();
  std::u16string listUrl = std::u16string(kBase) + u"/Landscape/Trees/Trees.xml";
  std::u16string listPath = base::joinPath(trees, u"FileList.xml");
  std::vector<std::u16string> firstList(bench.debugLines.begin() + 2, bench.debugLines.begin() + 6);
  EXPECT_EQ(firstList, (std::vector<std::u16string>{u"\n下载二级目录下XML\n", listUrl, listPath, u"\n开始下载 2\n"}));
  EXPECT_TRUE(bench.traced(u"\n下载完成XML\n"));
  EXPECT_TRUE(bench.traced(u"\n分析图块XML 2\n"));
  EXPECT_TRUE(bench.traced(u"\n" + listPath + u" 2\n"));
  EXPECT_TRUE(bench.traced(u"\n图块数3 2\n"));
  EXPECT_TRUE(bench.traced(u"\n图块数0 5\n"));
  EXPECT_TRUE(bench.traced(u"\n当前目录图块下载完 5\n"));
  EXPECT_TRUE(bench.traced(std::u16string(kBase) + u"/Landscape/Trees/t1.dwg" + block(trees, u"01_Oak")));
  EXPECT_TRUE(bench.traced(u"\n下载完成图块\n"));
}

TEST_F(UpdateWalkTest, PrefixIsDroppedInTheStatusButKeptInTheFileName) {
  WalkBench& bench = openDialog();
  EXPECT_EQ(bench.statuses[0], u"正在检查图库 Trees 的更新文件");
  EXPECT_EQ(bench.statuses[1], u"正在检查图库 Stone 的更新文件");
  EXPECT_EQ(bench.statuses[2], u"正在检查图库 Brick 的更新文件");
  EXPECT_EQ(bench.statuses[4], u"正在下载 Trees Oak");
  EXPECT_EQ(bench.statuses[5], u"正在下载 Trees Pine");
  EXPECT_TRUE(base::files::exists(block(trees, u"01_Oak")));
  EXPECT_FALSE(base::files::exists(block(trees, u"Oak")));
}

TEST_F(UpdateWalkTest, NamesThatWouldLeaveTheLibraryFolderAreNeverFetched) {
  std::u16string listUrl = std::u16string(kBase) + u"/Landscape/Trees/Trees.xml";
  files[listUrl] = itemList({{"e1", "../../escape"}, {"e2", "a/b"}, {"e3", ".."}, {"t2", "Pine"}});
  WalkBench& bench = openDialog();
  for (const StartedFetch& f : bench.fetches) {
    EXPECT_EQ(f.url.find(u"/e"), std::u16string::npos) << base::toUtf8(f.url);
    EXPECT_EQ(f.localPath.find(u".."), std::u16string::npos) << base::toUtf8(f.localPath);
  }
  EXPECT_FALSE(base::files::exists(base::joinPath(landscape, u"escape.dwg")));
}

TEST_F(UpdateWalkTest, ProgressMovesTheBarAndUnknownCodesDoNothing) {
  WalkBench bench;
  bench.table = rows;
  update::UpdateWalk walk(state, bench);
  walk.handleStep(37, update::kProgressBase);
  walk.handleStep(0, update::kProgressBase);
  walk.handleStep(1, 4);
  walk.handleStep(1, 1999);
  walk.handleStep(1, -1);
  EXPECT_EQ(bench.bar, (std::vector<uint32_t>{37, 0}));
  EXPECT_TRUE(bench.posted.empty());
  EXPECT_TRUE(bench.statuses.empty());
  EXPECT_TRUE(bench.fetches.empty());
}

TEST_F(UpdateWalkTest, CursorPastAShrunkTableCompletesAtOnce) {
  state.categoryCursor = 40;
  WalkBench& bench = openDialog();
  EXPECT_TRUE(bench.fetches.empty());
  EXPECT_EQ(bench.lastStatus(), u"更新文件检查完成，墨匣已是最新");
}

}  // namespace
