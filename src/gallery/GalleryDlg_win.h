// Windows side. CGalleryDlg, the main gallery window, from dialog template 261: a borderless,
// top-most, skinned pop-up of 590 x 454 pixels in the middle of the desktop. Hosts and second
// starts drive it with the gallery command message.
#pragma once
#include <windows.h>

#include "gallery/AppState.h"
#include "skin/SkinButton.h"
#include "skin/SkinnedDialog.h"
#include "win/KernelHandle.h"

namespace gallery {

class CGalleryDlg : public skin::SkinnedDialog {
public:
  // The state and the single-instance event belong to the application; the window changes them.
  CGalleryDlg(AppState& state, win::KernelHandle& instanceEvent);

protected:
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnCommand(int id, int notifyCode, HWND control) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, int kind) override;
  bool PreTranslateMessage(MSG& message) override;

private:
  void command(int64_t code, uint64_t argument);
  void placeWindow();
  void closeButton();

  AppState& state_;
  win::KernelHandle& instanceEvent_;
  skin::CSkinButton m_btnClose;
};

}  // namespace gallery
