#include "update/BlockeryUpdatePrompt_win.h"

#include <utility>

#include "update/UpdateDialogIds.h"

namespace update {

namespace {

constexpr int kWidth = 347;
constexpr int kHeight = 183;
constexpr wchar_t kMessage[] = L"当前图库暂无素材，点击更新下载最新图块";

}  // namespace

CBlockeryUpdate::CBlockeryUpdate(std::function<void()> runUpdate)
    : skin::SkinnedDialog(IDD_EMPTY_LIBRARY_PROMPT, skin::SkinnedWindow::EmptyLibraryPrompt),
      runUpdate_(std::move(runUpdate)) {}

bool CBlockeryUpdate::OnInitDialog() {
  skin::SkinnedDialog::OnInitDialog();
  setPosition(nullptr, 0, 0, px(kWidth), px(kHeight), SWP_NOMOVE | SWP_NOZORDER);
  centreOverOwner();
  placeButtons();
  return true;
}

void CBlockeryUpdate::placeButtons() {
  const int top = clientRect().bottom - px(32);
  const SIZE size{px(73), px(19)};
  skinCloseButton(m_btnClose, IDC_PROMPT_CLOSE);
  skinButtonAt(m_btnUpdate, IDOK, u"BT_DEFAULT_OK.bmp", skin::kCaptionedPictureStyle, POINT{px(77), top}, size);
  skinButtonAt(m_btnCancel, IDCANCEL, u"BT_DEFAULT.bmp", skin::kCaptionedPictureStyle, POINT{px(200), top}, size);
}

// A dialog that does not move itself while it initialises is centred over its owner.
void CBlockeryUpdate::centreOverOwner() {
  HWND owner = GetWindow(handle(), GW_OWNER);
  RECT area{};
  if (!owner || !IsWindowVisible(owner) || !GetWindowRect(owner, &area)) GetWindowRect(GetDesktopWindow(), &area);
  const RECT own = windowRect();
  int x = (area.left + area.right) / 2 - (own.right - own.left) / 2;
  int y = (area.top + area.bottom) / 2 - (own.bottom - own.top) / 2;
  setPosition(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
}

bool CBlockeryUpdate::OnCommand(int id, int notifyCode, HWND control) {
  if (id == IDOK) {
    // The progress dialog (or the specialty choice) opens over the prompt; the prompt ends after.
    if (runUpdate_) runUpdate_();
    endDialog(IDOK);
    return true;
  }
  if (id == IDC_PROMPT_CLOSE) {
    OnCancel();
    return true;
  }
  return false;
}

void CBlockeryUpdate::paintContent(HDC dc, int width, int height) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  RECT box{px(70), height / 2 - px(10), width, height / 2 + px(10)};
  DrawTextW(dc, kMessage, -1, &box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void showEmptyLibraryPrompt(HWND owner, std::function<void()> runUpdate) {
  CBlockeryUpdate prompt(std::move(runUpdate));
  prompt.doModal(owner);
}

}  // namespace update
