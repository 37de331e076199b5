// Windows side. CGalleryUpdateDlg, the library update's progress dialog (template 263): a skinned
// 462 x 243 pop-up in the middle of the desktop that runs the update walk, one step per gallery
// command message, and shows the status text and the current file's progress.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "library/Records.h"
#include "skin/SkinButton.h"
#include "skin/SkinnedDialog.h"
#include "update/FetchWorker.h"
#include "update/UpdateWalk.h"
#include "update/UpdateWalkHost.h"
#include "win/Controls.h"

namespace update {

class CGalleryUpdateDlg : public skin::SkinnedDialog, private UpdateWalkHost {
public:
  // The dialog walks its own copy of the main window's category table: a host's command may
  // rebuild the main window's table while the walk runs. downloadsArrived is called when the walk
  // stored blocks.
  CGalleryUpdateDlg(const library::CategoryTable& table, std::function<void()> downloadsArrived,
                    FetchServices services);
  // Downloads still in flight are dropped; their workers remove what they wrote.
  ~CGalleryUpdateDlg() override;

  int32_t downloadedCount() const { return walk_.downloadedCount(); }
  int32_t attemptedCount() const { return walk_.attemptedCount(); }

protected:
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnCommand(int id, int notifyCode, HWND control) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, int kind) override;
  void rescaleControls() override { placeControls(); }

private:
  void placeControls();

  // UpdateWalkHost
  const library::CategoryTable& categoryTable() const override { return table_; }
  void postStep(int32_t step) override;
  void startFetch(FetchOrder order) override;
  void setStatus(const std::u16string& text) override { status_.setText(text); }
  void redrawStatus() override;
  void setBar(uint32_t percent) override { bar_.setPosition(int(percent)); }
  void redrawBar() override;
  void requestReload() override;
  void writeDebugLine(std::u16string_view line) override;

  const library::CategoryTable table_;
  std::function<void()> downloadsArrived_;
  FetchServices services_;
  UpdateWalk walk_;
  skin::CSkinButton m_btnClose;
  skin::CSkinButton m_btnOk;
  skin::CSkinButton m_btnCancel;
  win::StaticText status_;
  win::ProgressBar bar_;
};

// The update command's dialog: runs CGalleryUpdateDlg modally over the innermost open dialog (the
// empty-library prompt when the update was started from it, else mainWindow) and returns its
// downloadedCount once it has closed. The caller starts the reload when that is above 0;
// downloadsArrived is called, while the dialog runs, each time the walk stored blocks.
int32_t runLibraryUpdate(HWND mainWindow, const library::CategoryTable& table, std::function<void()> downloadsArrived);
int32_t runLibraryUpdate(HWND mainWindow, const library::CategoryTable& table, std::function<void()> downloadsArrived,
                         FetchServices services);

}  // namespace update
