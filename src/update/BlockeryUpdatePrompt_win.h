// Windows side. CBlockeryUpdate, the empty-library prompt (template 148): a skinned 347 x 183
// pop-up centred over the main window, telling the user that the library holds no material yet.
// "更新图库" runs the update command while the prompt is still open, then ends the prompt.
#pragma once
#include <windows.h>

#include <functional>

#include "skin/SkinButton.h"
#include "skin/SkinnedDialog.h"

namespace update {

class CBlockeryUpdate : public skin::SkinnedDialog {
public:
  // runUpdate is the main window's update command.
  explicit CBlockeryUpdate(std::function<void()> runUpdate);

protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode, HWND control) override;
  void paintContent(HDC dc, int width, int height) override;
  void rescaleControls() override { placeButtons(); }

private:
  void centreOverOwner();
  void placeButtons();

  std::function<void()> runUpdate_;
  skin::CSkinButton m_btnUpdate;
  skin::CSkinButton m_btnCancel;
  skin::CSkinButton m_btnClose;
};

// Runs the prompt modally over owner (the main window); its result is not looked at.
void showEmptyLibraryPrompt(HWND owner, std::function<void()> runUpdate);

}  // namespace update
