// CGalleryDlg as the model's GalleryView: each request carried out on the real controls.
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include "base/WinText.h"
#include "cad/CadClient.h"
#include "gallery/DetailsPanelView_win.h"
#include "gallery/GalleryAddDlg_win.h"
#include "gallery/GalleryCommand.h"
#include "gallery/GalleryDlg_win.h"
#include "gallery/GalleryLayout.h"
#include "update/BlockeryUpdatePrompt_win.h"
#include "update/GalleryUpdateDlg_win.h"
#include "update/IndexRefresh.h"
#include "update/WalkState.h"
#include "win/DisplayDpi.h"
#include "win/FileDialog.h"

namespace gallery {

namespace {

// Host windows travel as 32-bit numbers; a handle keeps its meaning sign-extended to 64 bits.
HWND windowOf(WindowNumber window) { return reinterpret_cast<HWND>(static_cast<intptr_t>(window)); }

constexpr UINT kShowWithoutFocus = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW;  // 0x53
constexpr UINT kShowAndRaise = SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW;                       // 0x43

}  // namespace

void CGalleryDlg::showTree(const library::CategoryTree& tree) { m_tree.show(tree); }
void CGalleryDlg::selectNode(size_t node) { m_tree.select(node); }
void CGalleryDlg::expandNode(size_t node) { m_tree.expand(node); }
void CGalleryDlg::scrollNodeToTop(size_t node) { m_tree.scrollToTop(node); }

void CGalleryDlg::showTab(size_t button, const std::u16string& label) {
  m_btnTab[button].setText(label);
  m_btnTab[button].show(SW_SHOW);
  m_btnTab[button].invalidate();
}

void CGalleryDlg::hideTab(size_t button) { m_btnTab[button].show(SW_HIDE); }

void CGalleryDlg::setListMode(ListMode mode) {
  if (m_listView.isWindow()) m_listView.send(thumbs::CDWGListView::kModeMessage, mode == ListMode::UserBlocks ? 1 : 0);
}

void CGalleryDlg::loadPaths(const std::vector<std::u16string>& paths) {
  if (m_listView.isWindow()) m_listView.LoadPaths(paths);
}

void CGalleryDlg::repaintDetails() {
  const RECT area = win::rectAt(painted::kDetailsArea, dpi());
  InvalidateRect(handle(), &area, TRUE);
}

void CGalleryDlg::openLink(const std::u16string& link) {
  ShellExecuteW(nullptr, L"open", base::wide(link), L"", nullptr, SW_SHOWNORMAL);
}

void CGalleryDlg::startTimer(int32_t id, uint32_t milliseconds) { setTimer(UINT_PTR(id), milliseconds); }
void CGalleryDlg::killTimer(int32_t id) { win::Window::killTimer(UINT_PTR(id)); }

void CGalleryDlg::postCommand(int64_t code, uint64_t argument) {
  post(kGalleryCommandMessage, WPARAM(argument), LPARAM(code));
}

void CGalleryDlg::setTitle(const std::u16string& title) { setText(title); }

void CGalleryDlg::showTopmostWithoutFocus() { setPosition(HWND_TOPMOST, 0, 0, 0, 0, kShowWithoutFocus); }

void CGalleryDlg::showAndRaise() {
  setPosition(HWND_TOPMOST, 0, 0, 0, 0, kShowAndRaise);
  BringWindowToTop(handle());
  show(SW_SHOW);
}

void CGalleryDlg::hideWindow() { show(SW_HIDE); }

// A context menu's own loop would keep the dialog from ending until the menu closed.
void CGalleryDlg::endDialog() {
  EndMenu();
  win::Dialog::endDialog(IDCANCEL);
}

void CGalleryDlg::postQuit() {
  EndMenu();
  PostQuitMessage(0);
}

void CGalleryDlg::releaseInstanceEvent() { instanceEvent_.close(); }

void CGalleryDlg::enableUpdateButton() { m_btnUpdate.enable(true); }

uint64_t CGalleryDlg::ownWindow() { return uint64_t(reinterpret_cast<uintptr_t>(handle())); }

bool CGalleryDlg::isWindowAlive(WindowNumber window) { return window != 0 && IsWindow(windowOf(window)); }

void CGalleryDlg::setWindowText(WindowNumber window, const std::u16string& text) {
  SetWindowTextW(windowOf(window), base::wide(text));
}

void CGalleryDlg::postToWindow(WindowNumber window, uint32_t message, uint64_t wParam, int64_t lParam) {
  PostMessageW(windowOf(window), message, WPARAM(wParam), LPARAM(lParam));
}

bool CGalleryDlg::sendToCadProgram(const std::u16string& command) { return cad::sendToRunningProgram(command); }

void CGalleryDlg::showNote(const std::u16string& note) {
  m_note.show(handle(), win::rectAt(galleryControlBox(IDC_THUMBNAIL_LIST, base::kBaseDpi), dpi()), note, dpi());
}

std::optional<std::vector<std::u16string>> CGalleryDlg::chooseDwgFiles() {
  return win::chooseFilesToOpen(handle(), u"添加图块", {{u"图纸(*.DWG;*.dwg)", u"*.DWG;*.dwg"}}, true);
}

void CGalleryDlg::runEmptyLibraryPrompt() {
  update::showEmptyLibraryPrompt(handle(), [this] { model_->updateButton(); });
}

bool CGalleryDlg::runSpecialtyDialog() {
  return gallery::runSpecialtyDialog(handle(), model_->categories(), place_.dataRoot);
}

int32_t CGalleryDlg::runUpdateDialog() {
  return update::runLibraryUpdate(handle(), model_->categories().table, [this] { model_->downloadsArrived(); });
}

void CGalleryDlg::restartUpdateWalk() { update::restartWalkFromFirstRow(update::sharedWalkState()); }

void CGalleryDlg::clearTreeSelection() { TreeView_SelectItem(m_tree.handle(), nullptr); }

void CGalleryDlg::clearSearchField() { m_search.clear(); }

void CGalleryDlg::focusResults() {
  if (!m_listView.isWindow()) return;
  SetFocus(m_listView.handle());
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  m_listView.send(LVM_SETITEMSTATE, 0, LPARAM(&item));
}

// From the search worker's thread: only a posted message may cross to the window's.
void CGalleryDlg::postSearchAnswer() { PostMessageW(handle(), kSearchAnswerMessage, 0, 0); }

void CGalleryDlg::startIndexRefresh() { update::startSilentIndexRefresh(place_.libraryBaseUrl, place_.dataRoot); }

}  // namespace gallery
