#include <filesystem>

#include "GalleryFixture.h"
#include "gallery/GalleryCommand.h"

namespace {

using gallery::DetailsPanel;
using gallery::GalleryCommand;
using gallery::ListMode;
using gallery_test::GalleryFixture;
using Ids = std::vector<std::u16string>;

class UserBlocks : public GalleryFixture {
protected:
  void SetUp() override {
    writeSmallLibrary();
    start();
  }
  void add(Ids paths) {
    view.filesToChoose = std::move(paths);
    // The dialog opens once the tree's click notification has returned, once for two quick clicks.
    int opened = view.dialogsOpened;
    model->treeClicked(view.nodeNamed(u"添加图块"));
    model->treeClicked(view.nodeNamed(u"添加图块"));
    EXPECT_EQ(view.dialogsOpened, opened);
    fire(gallery::GalleryTimer::AddUserBlocks);
    EXPECT_EQ(view.dialogsOpened, opened + 1);
  }
  std::string userBlockFile(const Ids& paths) const {
    std::string text = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root>\r";
    for (const auto& path : paths) text += "<Item>" + base::toUtf8(path) + "</Item>\r";
    return text + "</root>\r";
  }
};

TEST_F(UserBlocks, AddedFilesAreSortedWithoutDuplicatesShownAndSaved) {
  std::u16string b = library.userFile(u"b.dwg");
  std::u16string a = library.userFile(u"a.dwg");
  add({b});
  add({a, b});
  EXPECT_EQ(model->userBlockPaths(), (Ids{a, b}));
  EXPECT_EQ(view.listMode, ListMode::UserBlocks);
  EXPECT_EQ(view.listPaths, (Ids{a, b}));
  EXPECT_EQ(library.read(u"UserBlock.xml"), userBlockFile({a, b}));
}

TEST_F(UserBlocks, ACancelledDialogChangesNothing) {
  view.filesToChoose.reset();
  model->treeClicked(view.nodeNamed(u"添加图块"));
  fire(gallery::GalleryTimer::AddUserBlocks);
  EXPECT_EQ(view.dialogsOpened, 1);
  EXPECT_EQ(view.loads, 0u);
  EXPECT_TRUE(model->userBlockPaths().empty());
  EXPECT_EQ(library.read(u"UserBlock.xml"), "");  // the empty file of the first start
}

TEST_F(UserBlocks, OnlyTheAddNodeOpensTheDialog) {
  view.filesToChoose = Ids{library.userFile(u"a.dwg")};
  model->treeClicked(view.nodeNamed(u"已有图块"));
  model->treeClicked(view.nodeNamed(u"门窗"));
  model->treeClicked(library::kNoNode);
  EXPECT_TRUE(model->userBlockPaths().empty());
}

TEST_F(UserBlocks, PositionsCountOnlyTheFilesThatExist) {
  std::u16string a = library.userFile(u"a.dwg");
  std::u16string b = library.userFile(u"b.dwg");
  std::u16string c = library.userFile(u"c.old.dwg");
  add({a, b, c});
  std::filesystem::remove(std::filesystem::path(a));
  view.click(u"已有图块");
  EXPECT_EQ(view.listPaths, (Ids{b, c}));

  command(GalleryCommand::ShowUserBlockDetails, 1);
  EXPECT_EQ(model->details().text(DetailsPanel::Name), u"c.old");
  command(GalleryCommand::ShowUserBlockDetails, 2);  // outside the two shown
  EXPECT_EQ(model->details().text(DetailsPanel::Name), u"c.old");

  command(GalleryCommand::DeleteUserBlock, 0);  // b, not a
  EXPECT_EQ(model->userBlockPaths(), (Ids{a, c}));
  EXPECT_EQ(view.listPaths, (Ids{c}));
  EXPECT_TRUE(model->details().empty());
}

TEST_F(UserBlocks, ADeletionReachesTheFileWhenTheListsAreSaved) {
  std::u16string a = library.userFile(u"a.dwg");
  std::u16string b = library.userFile(u"b.dwg");
  add({a, b});
  std::filesystem::remove(std::filesystem::path(b));  // gone from disk, still kept
  command(GalleryCommand::DeleteUserBlock, 0);
  EXPECT_EQ(library.read(u"UserBlock.xml"), userBlockFile({a, b}));
  model->saveLists(library::SaveTime::ordinary());
  EXPECT_EQ(library.read(u"UserBlock.xml"), userBlockFile({b}));
}

TEST_F(UserBlocks, DeletingOutsideTheShownBlocksChangesNothing) {
  std::u16string a = library.userFile(u"a.dwg");
  add({a});
  size_t loads = view.loads;
  command(GalleryCommand::DeleteUserBlock, 1);
  command(GalleryCommand::DeleteUserBlock, uint64_t(-1));
  EXPECT_EQ(model->userBlockPaths(), (Ids{a}));
  EXPECT_EQ(view.loads, loads);
}

TEST_F(UserBlocks, TheUserBlocksOfTheLastRunAreReadAtStart) {
  std::u16string a = library.userFile(u"a.dwg");
  add({a});
  start();
  EXPECT_EQ(model->userBlockPaths(), (Ids{a}));
}

TEST_F(UserBlocks, EveryRoadThatEndsTheProgramSavesWhatChanged) {
  std::u16string a = library.userFile(u"a.dwg");
  std::u16string b = library.userFile(u"b.dwg");
  add({a, b});
  view.click(u"已有图块");
  command(GalleryCommand::DeleteUserBlock, 0);
  view.click(u"门窗");
  model->itemChosen(0);

  model->closeButton();  // stand-alone: the dialog ends
  EXPECT_TRUE(view.ended);
  EXPECT_TRUE(view.visible);
  EXPECT_NE(library.read(u"RecentlyUse.xml").find("m1-id"), std::string::npos);
  EXPECT_EQ(library.read(u"UserBlock.xml"), userBlockFile({b}));

  model->itemChosen(1);
  model->closeRequest();
  EXPECT_NE(library.read(u"RecentlyUse.xml").find("m2-id"), std::string::npos);
}

TEST_F(UserBlocks, AHostedCloseButtonSavesAndOnlyHides) {
  state.arxHostWindow = 321;
  view.click(u"门窗");
  model->itemChosen(1);
  model->closeButton();
  EXPECT_FALSE(view.ended);
  EXPECT_FALSE(view.visible);
  EXPECT_NE(library.read(u"RecentlyUse.xml").find("m2-id"), std::string::npos);
}

TEST_F(UserBlocks, RecentBlocksSurviveARestart) {
  view.click(u"灌木");
  model->itemChosen(0);
  view.click(u"门窗");
  model->itemChosen(0);
  model->closeRequest();
  start();
  ASSERT_EQ(model->recentBlocks().size(), 2u);
  EXPECT_EQ(model->recentBlocks()[0].id, u"m1-id");
  EXPECT_EQ(model->recentBlocks()[1].folder, library.folder(u"02_园林/灌木"));
}

}  // namespace
