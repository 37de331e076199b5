#include "update/GalleryUpdateDlg_win.h"

#include <utility>

#include "base/Trace.h"
#include "update/HttpSourceWinInet.h"
#include "update/UpdateCodes.h"
#include "update/UpdateDialogIds.h"
#include "update/WalkState.h"
#include "update/WindowReports.h"

namespace update {

namespace {

constexpr int kWidth = 462;
constexpr int kHeight = 243;

void redrawNow(HWND control) {
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

CGalleryUpdateDlg::CGalleryUpdateDlg(const library::CategoryTable& table, std::function<void()> downloadsArrived,
                                     FetchServices services)
    : skin::SkinnedDialog(IDD_GALLERY_UPDATE, skin::SkinnedWindow::UpdateProgress),
      table_(table),
      downloadsArrived_(std::move(downloadsArrived)),
      services_(std::move(services)),
      walk_(sharedWalkState(), *this) {}

CGalleryUpdateDlg::~CGalleryUpdateDlg() { services_.dropAll->store(true); }

bool CGalleryUpdateDlg::OnInitDialog() {
  skin::SkinnedDialog::OnInitDialog();
  sizeAndCentre(kWidth, kHeight);
  placeControls();
  walk_.start();
  return true;
}

void CGalleryUpdateDlg::placeControls() {
  skinCloseButton(m_btnClose, IDC_UPDATE_CLOSE);
  skinOkCancel(m_btnOk, m_btnCancel);
  bar_.attach(item(IDC_UPDATE_PROGRESS));
  status_.attach(item(IDC_UPDATE_STATUS));
  // The bar keeps the template's height and spans the status line above it (x = 45 to 418).
  RECT bar{};
  GetWindowRect(bar_.handle(), &bar);
  SetWindowPos(bar_.handle(), nullptr, px(45), px(123), px(373), bar.bottom - bar.top, SWP_NOZORDER);
  SetWindowPos(status_.handle(), nullptr, px(45), px(92), px(373), px(22), SWP_NOZORDER);
}

bool CGalleryUpdateDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != kGalleryCommandMessage) return false;
  walk_.handleStep(uint32_t(wParam), int32_t(lParam));
  result = 0;
  return true;
}

bool CGalleryUpdateDlg::OnCommand(int id, int notifyCode, HWND control) {
  if (id != IDC_UPDATE_CLOSE) return false;
  OnCancel();
  return true;
}

HBRUSH CGalleryUpdateDlg::OnCtlColor(HDC dc, HWND control, int kind) {
  return kind == CTLCOLOR_STATIC ? blackOnWhite(dc) : nullptr;
}

void CGalleryUpdateDlg::postStep(int32_t step) { post(kGalleryCommandMessage, 0, LPARAM(step)); }

void CGalleryUpdateDlg::startFetch(FetchOrder order) {
  order.window = reportWindowFor(handle());
  startFetchWorker(std::move(order), services_);
}

void CGalleryUpdateDlg::redrawStatus() { redrawNow(status_.handle()); }

void CGalleryUpdateDlg::redrawBar() { redrawNow(bar_.handle()); }

void CGalleryUpdateDlg::requestReload() {
  if (downloadsArrived_) downloadsArrived_();
}

void CGalleryUpdateDlg::writeDebugLine(std::u16string_view line) { base::trace(line); }

int32_t runLibraryUpdate(HWND mainWindow, const library::CategoryTable& table, std::function<void()> downloadsArrived) {
  return runLibraryUpdate(mainWindow, table, std::move(downloadsArrived), winInetWalkServices());
}

int32_t runLibraryUpdate(HWND mainWindow, const library::CategoryTable& table, std::function<void()> downloadsArrived,
                         FetchServices services) {
  CGalleryUpdateDlg dialog(table, std::move(downloadsArrived), std::move(services));
  dialog.doModal(win::Dialog::modalOwner(mainWindow));
  return dialog.downloadedCount();
}

}  // namespace update
