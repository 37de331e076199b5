#include "gallery/GalleryDlg_win.h"

#include "base/Trace.h"
#include "base/WinText.h"
#include "gallery/GalleryCommand.h"
#include "gallery/GalleryTitle.h"
#include "resource.h"

namespace gallery {

namespace {

constexpr int kWidth = 590;
constexpr int kHeight = 454;

}  // namespace

CGalleryDlg::CGalleryDlg(AppState& state, win::KernelHandle& instanceEvent)
    : skin::SkinnedDialog(IDD_GALLERY, skin::SkinnedWindow::Gallery), state_(state), instanceEvent_(instanceEvent) {}

bool CGalleryDlg::OnInitDialog() {
  skin::SkinnedDialog::OnInitDialog();
  placeWindow();
  skinCloseButton(m_btnClose, IDC_CLOSE_BUTTON);
  setText(galleryTitle(state_));
  return true;
}

void CGalleryDlg::placeWindow() {
  setPosition(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  RECT client = clientRect();
  int x = (desktop.right - desktop.left) / 2 - (client.right - client.left) / 2;
  int y = (desktop.bottom - desktop.top) / 2 - (client.bottom - client.top) / 2;
  setPosition(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
}

bool CGalleryDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != kGalleryCommandMessage) return false;
  command(static_cast<int64_t>(lParam), static_cast<uint64_t>(wParam));
  result = 0;
  return true;
}

void CGalleryDlg::command(int64_t code, uint64_t argument) {
  switch (static_cast<GalleryCommand>(code)) {
    case GalleryCommand::Show:
      setPosition(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
      base::trace(u"显示窗口");
      break;
    case GalleryCommand::SetArxHost:
      state_.arxHostWindow = windowNumberOf(argument);
      break;
    case GalleryCommand::Quit:
      instanceEvent_.close();
      PostQuitMessage(0);
      break;
    case GalleryCommand::Hide:
      show(SW_HIDE);
      break;
    case GalleryCommand::HideIfHosted:
      if (state_.hosted()) show(SW_HIDE);
      break;
    default:
      break;  // codes of the later parts of the window, and unknown ones, do nothing
  }
}

bool CGalleryDlg::PreTranslateMessage(MSG& message) {
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) return true;
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
    post(kGalleryCommandMessage, 0, static_cast<LPARAM>(GalleryCommand::HideIfHosted));
    return true;
  }
  return skin::SkinnedDialog::PreTranslateMessage(message);
}

bool CGalleryDlg::OnCommand(int id, int notifyCode, HWND control) {
  if (id != IDC_CLOSE_BUTTON) return false;
  closeButton();
  return true;
}

void CGalleryDlg::closeButton() {
  // A hosted gallery only hides: the host shows it again with code 0 or 9.
  if (state_.hosted())
    show(SW_HIDE);
  else
    endDialog(IDCANCEL);
}

HBRUSH CGalleryDlg::OnCtlColor(HDC dc, HWND control, int kind) {
  if (kind != CTLCOLOR_STATIC) return nullptr;
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

}  // namespace gallery
