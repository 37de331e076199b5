#include "GalleryFixture.h"
#include "base/Trace.h"

namespace {

using gallery::GalleryCommand;
using gallery::GalleryTimer;
using gallery::kEnterKey;
using gallery::kEscapeKey;
using gallery_test::GalleryFixture;

int32_t id(GalleryTimer timer) { return static_cast<int32_t>(timer); }

// Nine specialties: "弱电安防" at position 7 and "园林景观" at position 8, as the update server
// delivers them; the default selection shows 0, 1, 4, 6 and 7.
std::string nineSpecialties() {
  const char* names[] = {"01_建筑", "02_结构", "03_给排水", "04_暖通", "05_电气",
                         "06_机械", "07_家具", "弱电安防", "园林景观"};
  std::string index;
  for (int i = 0; i < 9; ++i) {
    index += "<Folder name=\"s" + std::to_string(i) + "\" local=\"" + names[i] + "\"><Num>" + std::to_string(i) +
             "</Num><Parent name=\"c\" local=\"乔木\"></Parent></Folder>\n";
  }
  return index;
}

class GalleryCommands : public GalleryFixture {
protected:
  void SetUp() override { writeSmallLibrary(); }
};

TEST_F(GalleryCommands, UnknownCodesAndSixteenChangeNothingAndAnswerZero) {
  start();
  view.calls.clear();
  auto timers = view.timers;
  for (int64_t code : std::initializer_list<int64_t>{static_cast<int64_t>(GalleryCommand::Nothing), 18, 99, -1, 1000})
    EXPECT_EQ(model->command(code, 321), 0);
  EXPECT_TRUE(view.calls.empty());
  EXPECT_TRUE(view.posted.empty());
  EXPECT_EQ(view.timers, timers);
  EXPECT_EQ(state.arxHostWindow, 0);
  EXPECT_EQ(state.drawHostWindow, 0);
  EXPECT_TRUE(view.visible);
  for (int64_t code = 0; code <= static_cast<int64_t>(GalleryCommand::OpenSecurity); ++code)
    EXPECT_EQ(model->command(code, 0), 0) << code;
}

TEST_F(GalleryCommands, ShowMakesTheWindowTopmostAndSaysSo) {
  start();
  std::vector<std::u16string> lines;
  base::setTraceSink([&](std::u16string_view line) { lines.emplace_back(line); });
  view.visible = false;
  command(GalleryCommand::Show);
  base::setTraceSink(nullptr);
  EXPECT_TRUE(view.visible);
  EXPECT_TRUE(view.topmost);
  EXPECT_EQ(lines, (std::vector<std::u16string>{u"显示窗口"}));
}

TEST_F(GalleryCommands, HostWindowsAreReplacedByCodesOneAndNine) {
  start();
  command(GalleryCommand::SetArxHost, 777);
  EXPECT_EQ(state.arxHostWindow, 777);
  view.visible = false;
  command(GalleryCommand::ShowForDraftwell, 466);
  EXPECT_EQ(state.drawHostWindow, 466);
  EXPECT_TRUE(view.visible);
}

TEST_F(GalleryCommands, QuitReleasesTheEventSavesTheListsAndPostsTheQuitMessage) {
  start();
  view.click(u"门窗");
  model->itemChosen(0);
  command(GalleryCommand::Quit);
  EXPECT_TRUE(view.eventReleased);
  EXPECT_TRUE(view.quitPosted);
  EXPECT_TRUE(library.has(u"RecentlyUse.xml"));
  EXPECT_TRUE(library.has(u"UserBlock.xml"));
  EXPECT_FALSE(view.ended);
}

TEST_F(GalleryCommands, DraftwellEndsTheGalleryOnlyWithItsOwnWindow) {
  state.drawHostWindow = 466;
  start();
  view.click(u"门窗");
  model->itemChosen(0);
  command(GalleryCommand::QuitForDraftwell, 467);
  EXPECT_FALSE(view.quitPosted);
  EXPECT_FALSE(library.has(u"RecentlyUse.xml"));
  command(GalleryCommand::QuitForDraftwell, 466);
  EXPECT_TRUE(view.quitPosted);
  EXPECT_TRUE(library.has(u"RecentlyUse.xml"));
  EXPECT_FALSE(view.eventReleased);
}

TEST_F(GalleryCommands, EscapeHidesOnlyAHostedGallery) {
  start();
  EXPECT_TRUE(model->keyDown(kEscapeKey));
  ASSERT_EQ(view.posted.size(), 1u);
  EXPECT_EQ(view.posted[0], (std::pair<int64_t, uint64_t>{static_cast<int64_t>(GalleryCommand::HideIfHosted), 0}));
  view.deliverPosted();
  EXPECT_TRUE(view.visible);
  state.drawHostWindow = 466;
  model->keyDown(kEscapeKey);
  view.deliverPosted();
  EXPECT_FALSE(view.visible);
  command(GalleryCommand::Show);
  state = {.arxHostWindow = 321};
  command(GalleryCommand::HideIfHosted);
  EXPECT_FALSE(view.visible);
}

TEST_F(GalleryCommands, EnterIsSwallowedAndOtherKeysGoToTheDialog) {
  start();
  EXPECT_TRUE(model->keyDown(kEnterKey));
  EXPECT_FALSE(model->keyDown('A'));
  EXPECT_FALSE(model->keyDown('\t'));
  EXPECT_TRUE(view.posted.empty());
  EXPECT_FALSE(view.ended);
  EXPECT_TRUE(view.visible);
}

TEST_F(GalleryCommands, HideAndEnableUpdate) {
  start();
  command(GalleryCommand::Hide);
  EXPECT_FALSE(view.visible);
  command(GalleryCommand::EnableUpdate);
  EXPECT_TRUE(view.updateEnabled);
}

TEST_F(GalleryCommands, BlockDetailsComeFromTheShownPositionAndIgnoreOthers) {
  start();
  fire(GalleryTimer::SelectRoot);
  command(GalleryCommand::ShowBlockDetails, 1);
  EXPECT_EQ(model->details().text(gallery::DetailsPanel::Name), u"m2");
  EXPECT_EQ(model->details().text(gallery::DetailsPanel::Link), u"");
  EXPECT_EQ(view.detailRepaints, 1u);
  for (uint64_t outside : {uint64_t(2), uint64_t(-1), uint64_t(0xFFFFFFFF), uint64_t(1) << 40})
    command(GalleryCommand::ShowBlockDetails, outside);
  EXPECT_EQ(model->details().text(gallery::DetailsPanel::Name), u"m2");
  EXPECT_EQ(view.detailRepaints, 1u);
}

TEST_F(GalleryCommands, ClearingRepaintsOnlyWhenThereWasSomethingToClear) {
  start();
  command(GalleryCommand::ClearDetails);
  EXPECT_EQ(view.detailRepaints, 0u);
  fire(GalleryTimer::SelectRoot);
  command(GalleryCommand::ShowBlockDetails, 0);
  command(GalleryCommand::ClearDetails);
  EXPECT_TRUE(model->details().empty());
  EXPECT_EQ(view.detailRepaints, 2u);
  command(GalleryCommand::ClearDetails);
  EXPECT_EQ(view.detailRepaints, 2u);
}

TEST_F(GalleryCommands, LandscapeSwitchedOffIsSwitchedOnRebuiltAndOpenedLater) {
  library.writeIndex(nineSpecialties());
  std::filesystem::remove(std::filesystem::path(base::joinPath(library.dataRoot(), u"HomeInkCasket.ini")));
  library.addBlocks(u"园林景观/乔木", {"oak"});
  start();
  ASSERT_EQ(view.nodeNamed(u"园林景观"), library::kNoNode);
  size_t shows = view.treeShows;
  command(GalleryCommand::OpenLandscape);
  EXPECT_EQ(library.selection(), u"11001011100");
  EXPECT_EQ(view.treeShows, shows + 1);
  EXPECT_TRUE(state.ldFlag);
  EXPECT_EQ(view.timers[id(GalleryTimer::OpenLandscape)], 900u);
  fire(GalleryTimer::OpenLandscape);
  size_t landscape = view.nodeNamed(u"园林景观");
  ASSERT_NE(landscape, library::kNoNode);
  EXPECT_EQ(view.selected, landscape);
  EXPECT_TRUE(view.expanded.count(landscape));
  EXPECT_EQ(shownIds(), (std::vector<std::u16string>{u"oak-id"}));
  EXPECT_EQ(view.timers.count(id(GalleryTimer::OpenLandscape)), 0u);

  command(GalleryCommand::LeaveLandscape);
  EXPECT_FALSE(state.ldFlag);
  command(GalleryCommand::OpenLandscapeQuietly);  // already on: no rebuild, the node opens again
  EXPECT_EQ(view.treeShows, shows + 1);
  EXPECT_FALSE(state.ldFlag);
  EXPECT_EQ(view.timers[id(GalleryTimer::OpenLandscape)], 900u);
}

TEST_F(GalleryCommands, SecuritySpecialtyAlreadyOnOnlyStartsItsTimer) {
  library.writeIndex(nineSpecialties());
  std::filesystem::remove(std::filesystem::path(base::joinPath(library.dataRoot(), u"HomeInkCasket.ini")));
  start();
  size_t shows = view.treeShows;
  command(GalleryCommand::OpenSecurity);
  EXPECT_EQ(view.treeShows, shows);
  EXPECT_EQ(library.selection(), u"11001011000");
  EXPECT_FALSE(state.ldFlag);
  fire(GalleryTimer::OpenSecurity);
  EXPECT_EQ(view.selected, view.nodeNamed(u"弱电安防"));
}

TEST_F(GalleryCommands, OpeningANodeThatIsNotInTheTreeDoesNothing) {
  start();
  command(GalleryCommand::OpenSecurity);  // "111" grows to position 7, but the index has 3
  view.calls.clear();
  fire(GalleryTimer::OpenSecurity);
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(GalleryCommands, ADraftwellStartOpensTheLandscapeSpecialty) {
  library.writeIndex(nineSpecialties());
  std::filesystem::remove(std::filesystem::path(base::joinPath(library.dataRoot(), u"HomeInkCasket.ini")));
  state = {.drawHostWindow = 466, .ldFlag = true, .mnFlag = true};
  start();
  EXPECT_EQ(library.selection(), u"11001011100");
  EXPECT_NE(view.nodeNamed(u"园林景观"), library::kNoNode);
  EXPECT_EQ(view.treeShows, 1u);  // switched on before the first rebuild
  EXPECT_EQ(view.timers[id(GalleryTimer::OpenLandscape)], 1600u);
  EXPECT_EQ(view.title, u"墨匣");
}

TEST_F(GalleryCommands, StartUpTitlesTheWindowAndStartsTheRefresh) {
  state.arxHostWindow = 321;
  start();
  EXPECT_EQ(view.title, u"墨 匣");
  EXPECT_EQ(view.timers[id(GalleryTimer::StartupRefresh)], 300u);
  EXPECT_EQ(view.timers.count(id(GalleryTimer::OpenLandscape)), 0u);
  size_t shows = view.treeShows;
  fire(GalleryTimer::StartupRefresh);
  EXPECT_EQ(view.treeShows, shows + 1);
  EXPECT_EQ(view.indexRefreshes, 1u);
  EXPECT_EQ(view.timers.count(id(GalleryTimer::StartupRefresh)), 0u);
  EXPECT_EQ(view.timers[id(GalleryTimer::SelectRoot)], 500u);
}

TEST_F(GalleryCommands, UpdatesThatDownloadedSomethingReloadTheLibrary) {
  start();
  model->updateButton();
  EXPECT_EQ(view.updateDialogs, 1u);
  EXPECT_EQ(view.timers.count(id(GalleryTimer::Reload)), 0u);
  view.downloadsReported = 3;
  model->updateButton();
  EXPECT_EQ(view.timers[id(GalleryTimer::Reload)], 300u);
  size_t shows = view.treeShows;
  fire(GalleryTimer::Reload);
  EXPECT_EQ(view.treeShows, shows + 1);
}

TEST_F(GalleryCommands, WithoutAnIndexUpdateAndAddMoreDoNothing) {
  std::filesystem::remove(std::filesystem::path(base::joinPath(library.dataRoot(), u"InkCasket.xml")));
  start();
  model->updateButton();
  model->addMoreButton();
  EXPECT_EQ(view.updateDialogs, 0u);
  EXPECT_EQ(view.specialtyDialogs, 0u);
}

TEST_F(GalleryCommands, SwitchingASpecialtyOnInTheDialogStartsAnUpdateFromTheFirstRow) {
  start();
  auto dialogWrites = [&](std::u16string selection, bool confirmed) {
    view.specialtyDialog = [this, selection, confirmed] {
      library.writeSelection(selection);
      return confirmed;
    };
  };
  dialogWrites(u"111", true);
  model->addMoreButton();
  EXPECT_EQ(view.specialtyDialogs, 1u);
  EXPECT_EQ(view.updateDialogs, 0u);

  dialogWrites(u"011", true);  // one switched off, none on
  model->addMoreButton();
  EXPECT_EQ(view.updateDialogs, 0u);

  size_t shows = view.treeShows;
  dialogWrites(u"111", false);  // a cancelled dialog starts no update, but the tree is rebuilt
  model->addMoreButton();
  EXPECT_EQ(view.treeShows, shows + 1);
  EXPECT_EQ(view.updateDialogs, 0u);

  dialogWrites(u"1110", true);  // the stored selection grew
  model->addMoreButton();
  EXPECT_EQ(view.walkRestarts, 1u);
  EXPECT_EQ(view.updateDialogs, 1u);
}

}  // namespace
