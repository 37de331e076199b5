// The gallery command message, the window's one-shot timers and its keys.
#include "base/Trace.h"
#include "gallery/GalleryModel.h"
#include "gallery/NodeSearch.h"
#include "library/Selection.h"

namespace gallery {

namespace {

constexpr uint32_t kOpenNodeDelay = 900;
constexpr char16_t kLandscapeNode[] = u"园林景观";
constexpr char16_t kSecurityNode[] = u"弱电安防";

}  // namespace

int64_t GalleryModel::command(int64_t code, uint64_t argument) {
  const int64_t position = static_cast<int64_t>(argument);
  switch (static_cast<GalleryCommand>(code)) {
    case GalleryCommand::Show:
      view_.showTopmostWithoutFocus();
      base::trace(u"显示窗口");
      break;
    case GalleryCommand::SetArxHost: state_.arxHostWindow = windowNumberOf(argument); break;
    case GalleryCommand::Quit:
      view_.releaseInstanceEvent();
      saveLists(library::SaveTime::lastOne());
      view_.postQuit();
      break;
    case GalleryCommand::Rebuild: fullRebuild(); break;
    case GalleryCommand::EnableUpdate: view_.enableUpdateButton(); break;
    case GalleryCommand::ShowBlockDetails: showDetails(position); break;
    case GalleryCommand::Hide: view_.hideWindow(); break;
    case GalleryCommand::HideIfHosted:
      if (state_.hosted()) view_.hideWindow();
      break;
    case GalleryCommand::QuitForDraftwell:
      if (windowNumberOf(argument) != state_.drawHostWindow) break;
      saveLists(library::SaveTime::lastOne());
      view_.postQuit();
      break;
    case GalleryCommand::ShowForDraftwell:
      view_.showAndRaise();
      state_.drawHostWindow = windowNumberOf(argument);
      break;
    case GalleryCommand::ShowUserBlockDetails: showDetails(position); break;
    case GalleryCommand::DeleteUserBlock: deleteUserBlock(position); break;
    case GalleryCommand::ClearDetails:
      if (details_.clearIfShown()) view_.repaintDetails();
      break;
    case GalleryCommand::OpenLandscape:
      openSpecialty(library::enableLandscapeSpecialty(place_.dataRoot), GalleryTimer::OpenLandscape);
      state_.ldFlag = true;
      break;
    case GalleryCommand::LeaveLandscape: state_.ldFlag = false; break;
    case GalleryCommand::OpenLandscapeQuietly:
      openSpecialty(library::enableLandscapeSpecialty(place_.dataRoot), GalleryTimer::OpenLandscape);
      break;
    case GalleryCommand::OpenSecurity:
      openSpecialty(library::enableSecuritySpecialty(place_.dataRoot), GalleryTimer::OpenSecurity);
      break;
    default: break;
  }
  return 0;
}

// The timer starts in both cases, so the node is searched only after the tree holds it.
void GalleryModel::openSpecialty(bool alreadyOn, GalleryTimer opener) {
  if (!alreadyOn) fullRebuild();
  startTimer(opener, kOpenNodeDelay);
}

void GalleryModel::timerFired(int32_t id) {
  view_.killTimer(id);
  switch (static_cast<GalleryTimer>(id)) {
    case GalleryTimer::Reload: fullRebuild(); break;
    case GalleryTimer::SelectRoot:
      if (!treeItems().empty()) view_.selectNode(treeItems()[library::CategoryTree::kRootItem]);
      break;
    case GalleryTimer::StartupRefresh:
      fullRebuild();
      view_.startIndexRefresh();
      break;
    case GalleryTimer::OpenLandscape: openNamedNode(kLandscapeNode); break;
    case GalleryTimer::OpenSecurity: openNamedNode(kSecurityNode); break;
    case GalleryTimer::EmptyLibraryPrompt: view_.runEmptyLibraryPrompt(); break;
    case GalleryTimer::AddUserBlocks: addUserBlocks(); break;
    case GalleryTimer::Search: sendQuery(); break;
  }
}

void GalleryModel::openNamedNode(std::u16string_view text) {
  size_t node = findNodeByText(categories_.tree, text);
  if (node == library::kNoNode) return;
  view_.selectNode(node);
  view_.expandNode(node);
}

void GalleryModel::startTimer(GalleryTimer timer, uint32_t milliseconds) {
  view_.startTimer(static_cast<int32_t>(timer), milliseconds);
}

// While results are shown (the keys may be in the list after Down), Esc leaves the search.
bool GalleryModel::keyDown(uint32_t virtualKey) {
  if (searching_ && virtualKey == kEscapeKey) {
    leaveSearch(true);
    return true;
  }
  if (virtualKey == kEscapeKey) {
    view_.postCommand(static_cast<int64_t>(GalleryCommand::HideIfHosted), 0);
    return true;
  }
  return virtualKey == kEnterKey;
}

}  // namespace gallery
