// Windows side. CGalleryAddDlg, the specialty selection dialog (template 262): a skinned 480 x 353
// pop-up in the middle of the desktop with one labelled check box per specialty of the index, ten
// rows of three inside a painted box. OK stores the ticks as the 30-character selection.
#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "gallery/SpecialtyChoice.h"
#include "library/Categories.h"
#include "skin/SkinButton.h"
#include "skin/SkinnedDialog.h"
#include "win/Controls.h"

namespace gallery {

class CGalleryAddDlg : public skin::SkinnedDialog {
public:
  // categories are the main window's, read for their index entries and numbers; dataRoot holds
  // HomeInkCasket.ini.
  CGalleryAddDlg(const library::Categories& categories, std::u16string dataRoot);

protected:
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int notifyCode, HWND control) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, int kind) override;
  void paintContent(HDC dc, int width, int height) override;
  void rescaleControls() override { placeButtons(); }

private:
  void placeButtons();
  void fillCheckBoxes();

  const library::Categories& categories_;
  std::u16string dataRoot_;
  skin::CSkinButton m_btnClose;
  skin::CSkinButton m_btnOk;
  skin::CSkinButton m_btnCancel;
  std::array<win::CheckBox, kSpecialtyBoxes> checks_;
};

// The "添加更多" dialog, run modally over owner: true when the user confirmed with OK (the new
// selection is then stored). The caller rebuilds and decides on the update either way.
bool runSpecialtyDialog(HWND owner, const library::Categories& categories, const std::u16string& dataRoot);

}  // namespace gallery
