// The search field as the model sees it: the pause after typing, the results in catalogue mode
// with their caption, and how Esc, Enter, Down and a tree selection end or use them.
#include "GalleryFixture.h"

namespace gallery_test {
namespace {

using gallery::GalleryCommand;
using gallery::GalleryTimer;

constexpr uint32_t kEnter = 13, kEscape = 27, kDown = 40;

class SearchTest : public GalleryFixture {
protected:
  void SetUp() override {
    writeSmallLibrary();
    library.addBlocks(u"02_园林/乔木", {"香樟", "银杏"});
    state.arxHostWindow = 321;
    view.liveWindows = {321};
    start();
    view.click(u"门窗");
    view.deliverPosted();
  }
  void type(std::u16string text) {
    model->searchTextChanged(std::move(text));
    fire(GalleryTimer::Search);
    view.deliverNextAnswer();
  }
  std::u16string dwg(std::u16string_view name) const { return library.dwg(u"02_园林/乔木", name); }
};

TEST_F(SearchTest, ResultsReplaceTheCategoryAfterAPause) {
  model->searchTextChanged(u"x");
  model->searchTextChanged(u"xz");
  EXPECT_EQ(view.timers[int32_t(GalleryTimer::Search)], 150u);
  EXPECT_EQ(view.listPaths.size(), 2u);  // nothing happens before the pause runs out
  fire(GalleryTimer::Search);
  view.deliverNextAnswer();
  EXPECT_EQ(view.listPaths, std::vector<std::u16string>{dwg(u"香樟")});
  EXPECT_EQ(view.listMode, ListMode::Catalogue);
  EXPECT_EQ(view.searchCaption, u"搜索 \"xz\"：1 个图块");
  EXPECT_EQ(view.selected, library::kNoNode);
  EXPECT_TRUE(model->searching());

  type(u"qqq");
  EXPECT_TRUE(view.listPaths.empty());
  EXPECT_EQ(view.searchCaption, u"搜索 \"qqq\"：没有找到图块");
  EXPECT_EQ(view.timers.count(int32_t(GalleryTimer::EmptyLibraryPrompt)), 0u);
}

TEST_F(SearchTest, ChoosingAResultHandsItOverLikeADoubleClick) {
  type(u"乔木");
  ASSERT_EQ(view.listPaths, (std::vector<std::u16string>{dwg(u"香樟"), dwg(u"银杏")}));
  command(GalleryCommand::ShowBlockDetails, 1);
  EXPECT_EQ(model->details().text(gallery::DetailsPanel::Name), u"银杏");
  model->itemChosen(1);
  EXPECT_EQ(view.windowTexts[321], dwg(u"银杏"));
  EXPECT_EQ(model->recentBlocks().front().id, u"银杏-id");

  type(u"乔木");  // the recently used block goes first among equals
  EXPECT_EQ(view.listPaths.front(), dwg(u"银杏"));
  EXPECT_TRUE(model->searchKeyDown(kDown));
  EXPECT_TRUE(view.resultsFocused);
}

TEST_F(SearchTest, EnterChoosesTheFirstResultEvenBeforeItArrives) {
  model->searchTextChanged(u"yinxing");
  EXPECT_TRUE(model->searchKeyDown(kEnter));
  EXPECT_EQ(view.timers.count(int32_t(GalleryTimer::Search)), 0u);  // sent at once
  view.deliverNextAnswer();
  EXPECT_EQ(view.windowTexts[321], dwg(u"银杏"));
}

// Enter waits for the text it was pressed on; typing more makes it wait for Enter again.
TEST_F(SearchTest, TypingAfterAnEarlyEnterChoosesNothing) {
  model->searchTextChanged(u"yinxing");
  EXPECT_TRUE(model->searchKeyDown(kEnter));
  model->searchTextChanged(u"xz");
  view.deliverNextAnswer();  // for "yinxing", out of date
  fire(GalleryTimer::Search);
  view.deliverNextAnswer();
  EXPECT_EQ(view.listPaths, std::vector<std::u16string>{dwg(u"香樟")});
  EXPECT_TRUE(view.windowTexts.empty());
  EXPECT_TRUE(view.visible);
}

// A result chosen by double-click or Enter is a recent block like any other and is saved as one.
TEST_F(SearchTest, AChosenResultIsSavedWithTheRecentBlocks) {
  type(u"乔木");
  model->itemChosen(1);
  EXPECT_TRUE(model->searchKeyDown(kEnter));
  model->saveLists(library::SaveTime::ordinary());
  std::string saved = library.read(u"RecentlyUse.xml");
  EXPECT_NE(saved.find("香樟-id"), std::string::npos) << saved;
  EXPECT_NE(saved.find("银杏-id"), std::string::npos) << saved;
}

// Once Down has moved into the results, the keys reach the model from the list: Esc there leaves
// the search rather than hiding the gallery.
TEST_F(SearchTest, EscInTheResultsLeavesTheSearch) {
  size_t doors = view.nodeNamed(u"门窗");
  type(u"乔木");
  EXPECT_TRUE(model->searchKeyDown(kDown));
  EXPECT_TRUE(model->keyDown(kEscape));
  view.deliverPosted();
  EXPECT_TRUE(view.visible);
  EXPECT_FALSE(model->searching());
  EXPECT_EQ(view.selected, doors);
  EXPECT_EQ(view.fieldClears, 1u);
}

// A user's file among the hits takes a position of its own: the larger preview, a drag and the
// details all read the hit at the position the list reports.
TEST_F(SearchTest, EveryPositionStandsForItsOwnHitWhateverItIs) {
  std::u16string mine = library.userFile(u"乔木.dwg");
  view.filesToChoose = std::vector<std::u16string>{mine};
  model->treeClicked(view.nodeNamed(u"添加图块"));
  fire(GalleryTimer::AddUserBlocks);
  type(u"乔木");
  ASSERT_EQ(view.listPaths, (std::vector<std::u16string>{mine, dwg(u"香樟"), dwg(u"银杏")}));
  EXPECT_EQ(model->previewTexts(0).text(gallery::DetailsPanel::Name), u"乔木");
  EXPECT_EQ(model->previewTexts(2).text(gallery::DetailsPanel::Name), u"银杏");
  command(GalleryCommand::ShowBlockDetails, 1);
  EXPECT_EQ(model->details().text(gallery::DetailsPanel::Name), u"香樟");
  drag(0, thumbs::DragEnd::Dropped);
  EXPECT_TRUE(model->recentBlocks().empty());
  drag(2, thumbs::DragEnd::Dropped);
  ASSERT_EQ(model->recentBlocks().size(), 1u);
  EXPECT_EQ(model->recentBlocks().front().id, u"银杏-id");
}

// The drag takes its block as it starts: an answer that replaces the list meanwhile changes nothing.
TEST_F(SearchTest, ADragEndsWithTheBlockItStartedWith) {
  std::optional<gallery::ShownEntry> dragged = model->entryAt(1);  // m2
  ASSERT_TRUE(dragged);
  type(u"xz");
  model->itemDragged(*dragged, thumbs::DragEnd::Dropped);
  ASSERT_EQ(model->recentBlocks().size(), 1u);
  EXPECT_EQ(model->recentBlocks().front().id, u"m2-id");
}

TEST_F(SearchTest, EscOrASelectionEndsTheSearch) {
  size_t doors = view.nodeNamed(u"门窗");
  type(u"xz");
  EXPECT_TRUE(model->searchKeyDown(kEscape));
  EXPECT_EQ(view.selected, doors);
  EXPECT_EQ(view.listPaths.size(), 2u);
  EXPECT_EQ(view.searchCaption, u"");
  EXPECT_EQ(view.fieldClears, 1u);
  EXPECT_FALSE(model->searching());

  type(u"xz");
  view.click(u"灌木");
  EXPECT_FALSE(model->searching());
  EXPECT_EQ(view.searchCaption, u"");
  EXPECT_EQ(view.fieldClears, 2u);
  EXPECT_EQ(view.listPaths.size(), 1u);

  // With the field empty, Esc keeps its meaning: a hosted gallery hides.
  view.posted.clear();
  EXPECT_TRUE(model->searchKeyDown(kEscape));
  EXPECT_EQ(view.posted, (std::vector<std::pair<int64_t, uint64_t>>{{int64_t(GalleryCommand::HideIfHosted), 0}}));
}

}  // namespace
}  // namespace gallery_test
