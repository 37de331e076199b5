#include "StandInGallery_win.h"

#include "Report.h"
#include "base/Text.h"
#include "gallery/GalleryAddDlg_win.h"
#include "gallery/GalleryCommand.h"
#include "update/BlockeryUpdatePrompt_win.h"
#include "update/GalleryUpdateDlg_win.h"
#include "update/IndexRefresh.h"
#include "update/WalkState.h"

namespace updatewin {

namespace {

const wchar_t kClassName[] = L"BlockeryStandInGallery";
constexpr int kUpdateButton = 1002;
constexpr int kAddMoreButton = 1004;
constexpr UINT_PTR kProbeTimer = 77;  // apart from the gallery's own timers
constexpr UINT kProbeInterval = 50;

HWND makeButton(HWND parent, const wchar_t* caption, int id, int x) {
  return CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 20, 110, 30, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), win::programInstance(), nullptr);
}

}  // namespace

StandInGallery::StandInGallery(library::LibraryPlace place) : place_(place), model_(state_, *this, place) {}

bool StandInGallery::open() {
  win::registerWindowClass(kClassName, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  RECT rect{200, 200, 600, 420};  // room around it for the dialogs centred over it
  if (!create(kClassName, u"墨匣", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, rect, nullptr))
    return false;
  reportButton("gallery.update", makeButton(handle(), L"更新", kUpdateButton, 20));
  reportButton("gallery.addmore", makeButton(handle(), L"添加更多", kAddMoreButton, 150));
  setTimer(kProbeTimer, kProbeInterval);
  model_.openLibrary();
  model_.finishStart();
  report("ready");
  return true;
}

void StandInGallery::reportButton(const char* name, HWND button) {
  RECT r{};
  GetWindowRect(button, &r);
  report(std::string("button ") + name + " " + std::to_string((r.left + r.right) / 2) + " " +
         std::to_string((r.top + r.bottom) / 2));
}

bool StandInGallery::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != gallery::kGalleryCommandMessage) return false;
  result = model_.command(int64_t(lParam), uint64_t(wParam));
  return true;
}

bool StandInGallery::OnTimer(UINT_PTR id) {
  if (id == kProbeTimer) {
    probe_.look();
    return true;
  }
  if (id == UINT_PTR(gallery::GalleryTimer::Reload)) report("reload");
  model_.timerFired(int32_t(id));
  return true;
}

bool StandInGallery::OnCommand(int id, int notifyCode, HWND control) {
  if (id == kUpdateButton) model_.updateButton();
  else if (id == kAddMoreButton) model_.addMoreButton();
  else return false;
  return true;
}

void StandInGallery::OnDestroy() { PostQuitMessage(0); }

void StandInGallery::showTree(const library::CategoryTree& tree) {
  selected_ = library::kNoNode;
  report("rows " + std::to_string(model_.categories().table.size()));
}

// As the tree control does: a new caret reports the selection change back.
void StandInGallery::selectNode(size_t node) {
  if (node == selected_) return;
  selected_ = node;
  model_.selectionChanged(node);
}

void StandInGallery::loadPaths(const std::vector<std::u16string>& paths) {
  report("shown " + std::to_string(paths.size()));
  for (const std::u16string& path : paths) report("shown-path " + base::toUtf8(path));
}

void StandInGallery::postCommand(int64_t code, uint64_t argument) {
  post(gallery::kGalleryCommandMessage, WPARAM(argument), LPARAM(code));
}

void StandInGallery::runEmptyLibraryPrompt() {
  update::showEmptyLibraryPrompt(handle(), [this] { model_.updateButton(); });
}

bool StandInGallery::runSpecialtyDialog() {
  return gallery::runSpecialtyDialog(handle(), model_.categories(), place_.dataRoot);
}

int32_t StandInGallery::runUpdateDialog() {
  int32_t downloaded =
      update::runLibraryUpdate(handle(), model_.categories().table, [this] { model_.downloadsArrived(); });
  report("update-dialog-closed " + std::to_string(downloaded));
  return downloaded;
}

void StandInGallery::restartUpdateWalk() { update::restartWalkFromFirstRow(update::sharedWalkState()); }

void StandInGallery::startIndexRefresh() {
  update::startSilentIndexRefresh(place_.libraryBaseUrl, place_.dataRoot);
  report("index-refresh");
}

}  // namespace updatewin
