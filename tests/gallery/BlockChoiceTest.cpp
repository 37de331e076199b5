#include "GalleryFixture.h"
#include "cad/InsertCommand.h"
#include "gallery/GalleryCommand.h"

namespace {

using gallery::GalleryTimer;
using gallery_test::GalleryFixture;
using gallery_test::PostedMessage;
using Ids = std::vector<std::u16string>;

class BlockChoice : public GalleryFixture {
protected:
  void SetUp() override {
    writeSmallLibrary();
    start();
  }
  std::vector<std::u16string> recentIds() const {
    std::vector<std::u16string> ids;
    for (const auto& block : model->recentBlocks()) ids.push_back(block.id);
    return ids;
  }
  // One user block, shown in the list; gives its path.
  std::u16string showOneUserBlock() {
    std::u16string path = library.userFile(u"chair.dwg");
    view.filesToChoose = Ids{path};
    model->treeClicked(view.nodeNamed(u"添加图块"));
    fire(GalleryTimer::AddUserBlocks);
    return path;
  }
};

TEST_F(BlockChoice, AnArxHostGetsTheCatalogueBlockAndTheGalleryHides) {
  state.arxHostWindow = 321;
  view.liveWindows = {321};
  view.click(u"灌木");
  model->itemChosen(0);
  EXPECT_EQ(view.windowTexts[321], library.dwg(u"02_园林/灌木", u"g1"));
  EXPECT_EQ(view.hostMessages, (std::vector<PostedMessage>{{321, 1032, 0, 100}}));
  EXPECT_FALSE(view.visible);
  EXPECT_EQ(recentIds(), (Ids{u"g1-id"}));
}

TEST_F(BlockChoice, ChosenBlocksMoveToTheFrontOfTheRecentListOnce) {
  view.click(u"门窗");
  model->itemChosen(0);  // m1
  model->itemChosen(1);  // m2
  model->itemChosen(0);  // m1 again
  EXPECT_EQ(recentIds(), (Ids{u"m1-id", u"m2-id"}));
  EXPECT_TRUE(view.hostMessages.empty());  // stand-alone: nobody to hand to, but remembered
}

TEST_F(BlockChoice, ABlockWithAnotherBlocksIdReplacesItsEntry) {
  library.addItems(u"01_建筑/AB", {{"m1-id", "twin"}});
  command(gallery::GalleryCommand::Rebuild);
  view.click(u"门窗");
  model->itemChosen(0);
  view.click(u"灌木");
  model->itemChosen(0);
  view.click(u"AB");
  model->itemChosen(0);
  ASSERT_EQ(recentIds(), (Ids{u"m1-id", u"g1-id"}));
  EXPECT_EQ(model->recentBlocks()[0].name, u"twin");
}

TEST_F(BlockChoice, PositionsOutsideTheListAreIgnored) {
  state.arxHostWindow = 321;
  view.liveWindows = {321};
  view.click(u"门窗");
  model->itemChosen(2);
  model->itemChosen(-1);
  EXPECT_TRUE(view.hostMessages.empty());
  EXPECT_TRUE(model->recentBlocks().empty());
  EXPECT_TRUE(view.visible);
}

TEST_F(BlockChoice, AfterARebuildTheOldListNoLongerHandsAnythingOver) {
  view.liveWindows = {466};
  state.drawHostWindow = 466;
  view.click(u"门窗");
  command(gallery::GalleryCommand::Rebuild);
  model->itemChosen(0);
  EXPECT_TRUE(view.hostMessages.empty());

  std::u16string path = showOneUserBlock();  // the user's files are not the catalogue's
  command(gallery::GalleryCommand::Rebuild);
  model->itemChosen(0);
  EXPECT_EQ(view.windowTexts[466], path);
}

TEST_F(BlockChoice, UserBlocksGoToTheArxHostFirstButAreNotRecent) {
  std::u16string path = showOneUserBlock();
  state = {.arxHostWindow = 321, .drawHostWindow = 466};
  view.liveWindows = {321, 466};
  model->itemChosen(0);
  EXPECT_EQ(view.windowTexts[321], path);
  EXPECT_EQ(view.hostMessages, (std::vector<PostedMessage>{{321, 1032, 0, 100}}));
  EXPECT_FALSE(view.visible);
  EXPECT_TRUE(model->recentBlocks().empty());
}

TEST_F(BlockChoice, UserBlocksGoToDraftwellWithTheLdMode) {
  std::u16string path = showOneUserBlock();
  state = {.drawHostWindow = 466, .ldFlag = true};
  view.liveWindows = {466};
  model->itemChosen(0);
  EXPECT_EQ(view.windowTexts[466], path);
  EXPECT_EQ(view.hostMessages, (std::vector<PostedMessage>{{466, 1128, view.windowHandle, 10}}));
  EXPECT_TRUE(view.visible);
}

TEST_F(BlockChoice, UserBlocksWithNoLiveHostGoToTheRunningCadProgramButAreNotRecent) {
  std::u16string path = showOneUserBlock();
  state = {.drawHostWindow = 466};  // gone
  view.cadProgramRuns = true;
  model->itemChosen(0);
  model->itemChosen(1);
  EXPECT_EQ(view.cadCommands, (std::vector<std::u16string>{cad::insertCommand(path)}));
  EXPECT_TRUE(view.hostMessages.empty());
  EXPECT_TRUE(view.windowTexts.empty());
  EXPECT_TRUE(model->recentBlocks().empty());
}

// A drag out of the list: the drop target has the file, so nothing goes to a host and the gallery
// stays; only a completed drop of a catalogue block makes it recent.
TEST_F(BlockChoice, ACompletedDropMakesACatalogueBlockRecentWithoutAHandOff) {
  state.arxHostWindow = 321;
  view.liveWindows = {321};
  view.click(u"门窗");
  drag(1, thumbs::DragEnd::Cancelled);
  EXPECT_TRUE(model->recentBlocks().empty());
  drag(1, thumbs::DragEnd::Dropped);  // m2
  drag(0, thumbs::DragEnd::Dropped);  // m1
  drag(1, thumbs::DragEnd::Cancelled);
  drag(2, thumbs::DragEnd::Dropped);  // outside the list
  drag(-1, thumbs::DragEnd::Dropped);
  EXPECT_EQ(recentIds(), (Ids{u"m1-id", u"m2-id"}));
  EXPECT_TRUE(view.hostMessages.empty());
  EXPECT_TRUE(view.windowTexts.empty());
  EXPECT_TRUE(view.visible);
}

TEST_F(BlockChoice, ADroppedUserBlockIsNotRecent) {
  showOneUserBlock();
  drag(0, thumbs::DragEnd::Dropped);
  EXPECT_TRUE(model->recentBlocks().empty());
  EXPECT_TRUE(view.hostMessages.empty());
}

TEST_F(BlockChoice, TheLargerPreviewNamesTheBlockAsTheDetailsPanelDoes) {
  view.click(u"门窗");
  command(gallery::GalleryCommand::ShowBlockDetails, 1);
  gallery::DetailsPanel texts = model->previewTexts(1);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.text(gallery::DetailsPanel::Name), model->details().text(gallery::DetailsPanel::Name));
  EXPECT_EQ(texts.text(gallery::DetailsPanel::Spec), u"S");
  EXPECT_TRUE(model->previewTexts(2).empty());
  showOneUserBlock();
  EXPECT_EQ(model->previewTexts(0).text(gallery::DetailsPanel::Name), u"chair");
  EXPECT_TRUE(model->previewTexts(-1).empty());
}

}  // namespace
