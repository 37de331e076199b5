#include <gtest/gtest.h>

#include "FakeGalleryView.h"
#include "gallery/GalleryCommand.h"
#include "gallery/HostHandOff.h"
#include "cad/InsertCommand.h"

namespace {

using gallery::AppState;
using gallery::HandOffTarget;
using gallery::handOffBlock;
using gallery_test::FakeGalleryView;
using gallery_test::PostedMessage;

const std::u16string kPath = u"D:\\lib\\乔木\\Oak.dwg";

TEST(HandOff, ALiveArxHostGetsThePathInItsTitleAndTheGalleryHides) {
  FakeGalleryView view;
  view.liveWindows = {321};
  AppState state{.arxHostWindow = 321};
  EXPECT_EQ(handOffBlock(state, view, kPath), HandOffTarget::ArxHost);
  EXPECT_EQ(view.windowTexts[321], kPath);
  EXPECT_EQ(view.hostMessages, (std::vector<PostedMessage>{{321, 1032, 0, 100}}));
  EXPECT_FALSE(view.visible);
  // The title is set before the message that tells the host to read it.
  EXPECT_EQ(view.calls, (std::vector<std::string>{"hide", "setWindowText", "postToWindow"}));
}

TEST(HandOff, DraftwellGetsTheGalleryWindowAndTheLdMode) {
  FakeGalleryView view;
  view.liveWindows = {466};
  view.cadProgramRuns = true;  // a hosted gallery never sends a command
  AppState state{.drawHostWindow = 466, .ldFlag = true};
  EXPECT_EQ(handOffBlock(state, view, kPath), HandOffTarget::DraftwellHost);
  state.ldFlag = false;
  handOffBlock(state, view, kPath);
  EXPECT_EQ(view.hostMessages,
            (std::vector<PostedMessage>{{466, 1128, view.windowHandle, 10}, {466, 1128, view.windowHandle, 9}}));
  EXPECT_EQ(view.windowTexts[466], kPath);
  EXPECT_TRUE(view.visible);
  EXPECT_TRUE(view.cadCommands.empty());
  EXPECT_TRUE(view.notes.empty());
}

TEST(HandOff, WithBothHostsAliveOnlyTheArxHostGetsTheBlock) {
  FakeGalleryView view;
  view.liveWindows = {321, 466};
  AppState state{.arxHostWindow = 321, .drawHostWindow = 466};
  EXPECT_EQ(handOffBlock(state, view, kPath), HandOffTarget::ArxHost);
  EXPECT_EQ(view.hostMessages.size(), 1u);
  EXPECT_EQ(view.hostMessages[0].window, 321);
  EXPECT_EQ(view.windowTexts.count(466), 0u);
}

TEST(HandOff, AGoneArxHostPassesTheBlockToDraftwell) {
  FakeGalleryView view;
  view.liveWindows = {466};
  AppState state{.arxHostWindow = 321, .drawHostWindow = 466};
  EXPECT_EQ(handOffBlock(state, view, kPath), HandOffTarget::DraftwellHost);
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.windowTexts.count(321), 0u);
}

TEST(HandOff, WithoutALiveHostTheRunningCadProgramGetsTheInsertCommand) {
  FakeGalleryView view;
  view.cadProgramRuns = true;
  AppState gone{.arxHostWindow = 321, .drawHostWindow = 466};
  EXPECT_EQ(handOffBlock(gone, view, kPath), HandOffTarget::CadProgram);
  view.liveWindows = {0};  // even a window system that called 0 a window gets nothing
  EXPECT_EQ(handOffBlock(AppState{}, view, kPath), HandOffTarget::CadProgram);
  EXPECT_EQ(view.cadCommands, (std::vector<std::u16string>(2, cad::insertCommand(kPath))));
  EXPECT_EQ(view.notes, (std::vector<std::u16string>(2, std::u16string(gallery::kInsertedNote))));
  EXPECT_TRUE(view.hostMessages.empty());
  EXPECT_TRUE(view.windowTexts.empty());
  EXPECT_TRUE(view.visible);
}

TEST(HandOff, WithNoCadProgramEitherTheNoteSaysSoAndNothingIsSent) {
  FakeGalleryView view;
  EXPECT_EQ(handOffBlock(AppState{}, view, kPath), HandOffTarget::None);
  EXPECT_TRUE(view.cadCommands.empty());
  EXPECT_EQ(view.notes, (std::vector<std::u16string>{std::u16string(gallery::kNoCadProgramNote)}));
  EXPECT_TRUE(view.visible);
}

}  // namespace
