#include "GalleryFixture.h"
#include "library/RecentBlocks.h"

namespace {

using gallery::GalleryCommand;
using gallery::GalleryTimer;
using gallery::ListMode;
using gallery_test::GalleryFixture;
using Ids = std::vector<std::u16string>;

class TreeSelection : public GalleryFixture {
protected:
  void SetUp() override {
    writeSmallLibrary();
    start();
  }
};

TEST_F(TreeSelection, TheRebuildIsMirroredAndTheRootIsSelectedHalfASecondLater) {
  ASSERT_GE(view.treeShows, 1u);
  EXPECT_TRUE(view.expanded.count(view.nodeNamed(u"图库")));
  EXPECT_NE(view.nodeNamed(u"灌木"), library::kNoNode);
  EXPECT_EQ(view.tabs[0], u"【   建筑   】");
  EXPECT_EQ(view.tabs[1], u"【   园林   】");
  EXPECT_EQ(view.tabs[2], u"【  给排水 】");
  EXPECT_FALSE(view.tabs[3]);
  EXPECT_EQ(view.timers[static_cast<int32_t>(GalleryTimer::SelectRoot)], 500u);
  EXPECT_EQ(view.loads, 0u);

  fire(GalleryTimer::SelectRoot);
  EXPECT_EQ(view.selected, view.nodeNamed(u"图库"));
  EXPECT_EQ(shownIds(), (Ids{u"m1-id", u"m2-id"}));
  EXPECT_EQ(view.listPaths, (Ids{library.dwg(u"01_建筑/门窗", u"m1"), library.dwg(u"01_建筑/门窗", u"m2")}));
  EXPECT_EQ(view.listMode, ListMode::Catalogue);
  EXPECT_EQ(view.timers.count(static_cast<int32_t>(GalleryTimer::SelectRoot)), 0u);
}

TEST_F(TreeSelection, ASpecialtyWhoseFirstCategoryIsEmptyShowsItsSecond) {
  view.click(u"园林");
  EXPECT_EQ(shownIds(), (Ids{u"g1-id"}));
  EXPECT_EQ(view.prompts, 0u);
}

TEST_F(TreeSelection, CategoryAShowsItsSubCategoryAndNeverItsSiblingAB) {
  view.click(u"A");
  EXPECT_EQ(shownIds(), (Ids{u"ax1-id"}));
  view.click(u"AB");
  EXPECT_EQ(shownIds(), (Ids{u"ab1-id"}));
}

TEST_F(TreeSelection, AnEmptyCategoryPromptsUnlessItsNameIsOneOfTheQuietOnes) {
  view.click(u"乔木");
  EXPECT_TRUE(view.listPaths.empty());
  // The prompt comes right after the selection's notification, once the empty list is given.
  EXPECT_EQ(view.prompts, 0u);
  fire(GalleryTimer::EmptyLibraryPrompt);
  EXPECT_EQ(view.prompts, 1u);
  EXPECT_EQ(std::vector<std::string>(view.calls.end() - 2, view.calls.end()),
            (std::vector<std::string>{"loadPaths", "prompt"}));
  view.click(u"平面植物");
  EXPECT_EQ(view.timers.count(static_cast<int32_t>(GalleryTimer::EmptyLibraryPrompt)), 0u);
  EXPECT_EQ(view.prompts, 1u);
  EXPECT_EQ(view.loads, 2u);
}

TEST_F(TreeSelection, APromptNotYetShownIsDroppedWhenAnotherNodeIsSelected) {
  view.click(u"乔木");
  view.click(u"门窗");
  EXPECT_EQ(view.timers.count(static_cast<int32_t>(GalleryTimer::EmptyLibraryPrompt)), 0u);
  EXPECT_EQ(view.prompts, 0u);
}

TEST_F(TreeSelection, AListFilledWhileThePromptWasOpenIsNotEmptiedWhenItCloses) {
  // The prompt's update reloads the library, and the reload selects the root again.
  view.whilePrompting = [&] {
    view.whilePrompting = nullptr;
    view.click(u"图库");
  };
  view.click(u"乔木");
  fire(GalleryTimer::EmptyLibraryPrompt);
  EXPECT_EQ(view.prompts, 1u);
  EXPECT_EQ(view.listPaths, (Ids{library.dwg(u"01_建筑/门窗", u"m1"), library.dwg(u"01_建筑/门窗", u"m2")}));
}

// The thumbnails read for the category left stay cached, so going back shows them at once.
TEST_F(TreeSelection, ANewSelectionKeepsTheThumbnailsOfTheCategoryLeft) {
  view.click(u"门窗");
  view.calls.clear();
  view.click(u"灌木");
  std::vector<std::string> expected = {"selectNode", "mode catalogue", "loadPaths"};
  EXPECT_EQ(view.calls, expected);
}

TEST_F(TreeSelection, EverySelectionAsksForTheDetailsToBeCleared) {
  view.click(u"灌木");
  command(GalleryCommand::ShowBlockDetails);
  EXPECT_EQ(model->details().text(gallery::DetailsPanel::Name), u"g1");
  view.click(u"门窗");
  view.deliverPosted();
  EXPECT_TRUE(model->details().empty());
}

TEST_F(TreeSelection, TheRootShowsTheRecentBlocksWhenThereAreAny) {
  view.click(u"灌木");
  model->itemChosen(0);
  view.click(u"门窗");
  model->itemChosen(1);
  view.click(u"图库");
  EXPECT_EQ(shownIds(), (Ids{u"m2-id", u"g1-id"}));
  EXPECT_EQ(view.listPaths[1], library.dwg(u"02_园林/灌木", u"g1"));
  view.click(u"最近使用");
  EXPECT_EQ(shownIds(), (Ids{u"m2-id", u"g1-id"}));
  EXPECT_EQ(view.prompts, 0u);
}

TEST_F(TreeSelection, RecentBlocksShowEvenWhenTheirFilesAreGone) {
  library::BlockRecord gone;
  gone.id = u"9";
  gone.folder = library.folder(u"01_建筑/门窗");
  gone.name = u"gone";
  library::saveRecentBlocks(library.dataRoot(), {gone});
  start();
  fire(GalleryTimer::SelectRoot);
  EXPECT_EQ(view.listPaths, (Ids{library.dwg(u"01_建筑/门窗", u"gone")}));
}

TEST_F(TreeSelection, ExistingBlocksShowsOnlyTheUserFilesThatExist) {
  std::u16string b = library.userFile(u"b.dwg");
  view.filesToChoose = Ids{b, base::joinPath(library.dataRoot(), u"missing.dwg")};
  view.click(u"添加图块");  // selecting it does nothing; the click adds
  EXPECT_EQ(view.loads, 0u);
  model->treeClicked(view.nodeNamed(u"添加图块"));
  fire(GalleryTimer::AddUserBlocks);
  view.click(u"门窗");
  view.click(u"已有图块");
  EXPECT_EQ(view.listMode, ListMode::UserBlocks);
  EXPECT_EQ(view.listPaths, (Ids{b}));
  EXPECT_EQ(model->userBlockPaths().size(), 2u);
}

TEST_F(TreeSelection, ExpandingTheCustomLibraryShowsTheUserBlocks) {
  std::u16string a = library.userFile(u"a.dwg");
  view.filesToChoose = Ids{a};
  model->treeClicked(view.nodeNamed(u"添加图块"));
  fire(GalleryTimer::AddUserBlocks);
  view.click(u"门窗");
  model->itemExpanding();
  EXPECT_EQ(view.listMode, ListMode::Catalogue);
  view.click(u"自定义图库");
  EXPECT_EQ(view.listMode, ListMode::Catalogue);  // as a selection it stands for the root
  model->itemExpanding();
  EXPECT_EQ(view.listMode, ListMode::UserBlocks);
  EXPECT_EQ(view.listPaths, (Ids{a}));
  EXPECT_EQ(view.posted.back().first, static_cast<int64_t>(GalleryCommand::ClearDetails));
}

TEST_F(TreeSelection, ATabSelectsExpandsAndScrollsToItsSpecialty) {
  model->tabClicked(1);
  size_t garden = view.nodeNamed(u"园林");
  EXPECT_EQ(view.selected, garden);
  EXPECT_TRUE(view.expanded.count(garden));
  EXPECT_EQ(view.topNode, garden);
  EXPECT_EQ(shownIds(), (Ids{u"g1-id"}));
  view.calls.clear();
  model->tabClicked(3);  // a hidden button
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(TreeSelection, ARebuildEmptiesTheListsAndSelectsTheRootAgainLater) {
  view.click(u"灌木");
  view.timers.clear();
  command(GalleryCommand::Rebuild);
  EXPECT_TRUE(model->shown().empty());
  EXPECT_EQ(view.selected, library::kNoNode);
  EXPECT_EQ(model->availableBlocks().size(), 5u);
  fire(GalleryTimer::SelectRoot);
  EXPECT_EQ(shownIds(), (Ids{u"m1-id", u"m2-id"}));
}

TEST_F(TreeSelection, WithoutAnIndexTheOldTreeStaysButSelectsNothing) {
  std::filesystem::remove(std::filesystem::path(base::joinPath(library.dataRoot(), u"InkCasket.xml")));
  size_t shows = view.treeShows;
  command(GalleryCommand::Rebuild);
  EXPECT_EQ(view.treeShows, shows);
  EXPECT_TRUE(model->availableBlocks().empty());
  view.click(u"灌木");
  EXPECT_EQ(view.loads, 0u);
  EXPECT_TRUE(view.posted.empty());
  fire(GalleryTimer::SelectRoot);
  EXPECT_EQ(view.loads, 0u);
  model->tabClicked(0);
  EXPECT_EQ(view.loads, 0u);
}

TEST_F(TreeSelection, TheDefaultIndexBesideTheProgramIsUsedWhenTheLibraryHasNone) {
  std::filesystem::rename(std::filesystem::path(base::joinPath(library.dataRoot(), u"InkCasket.xml")),
                          std::filesystem::path(base::joinPath(library.programFolder(), u"InkCasket.xml")));
  command(GalleryCommand::Rebuild);
  EXPECT_EQ(model->availableBlocks().size(), 5u);
  EXPECT_TRUE(library.has(u"InkCasket.xml"));
}

}  // namespace
