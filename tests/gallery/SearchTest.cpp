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
  EXPECT_EQ(view.forgotten.size(), 2u);  // the category's thumbnails, as on any change of category
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
