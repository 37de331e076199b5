// Windows side. CGalleryDlg, the main gallery window, from dialog template 261: a borderless,
// top-most, skinned pop-up of 590 x 454 pixels in the middle of the desktop with the specialty
// tabs, the category tree, the thumbnail list, the details panel and the command buttons, all
// scaled to the display setting of the monitor it is on (GalleryLayout.h). Hosts and second
// starts drive it with the gallery command message.
//
// The window decides nothing itself: it forwards clicks, notifications, timers, keys and commands
// to its GalleryModel and carries out what the model asks through GalleryView.
#pragma once
#include <windows.h>

#include <array>
#include <memory>

#include "gallery/AppState.h"
#include "gallery/CategoryTreeView_win.h"
#include "gallery/GalleryModel.h"
#include "gallery/GalleryView.h"
#include "gallery/NotePopup_win.h"
#include "gallery/SearchField_win.h"
#include "skin/SkinButton.h"
#include "skin/SkinnedDialog.h"
#include "thumbs/DWGListView_win.h"
#include "base/KernelHandle.h"

namespace gallery {

class CGalleryDlg : public skin::SkinnedDialog, private GalleryView {
public:
  // Posted by the search worker: an answer waits.
  static constexpr UINT kSearchAnswerMessage = WM_APP + 12;

  // The state and the single-instance event belong to the application; the window changes them.
  CGalleryDlg(AppState& state, base::KernelHandle& instanceEvent);
  ~CGalleryDlg() override;

protected:
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void rescaleControls() override;
  bool OnCommand(int id, int notifyCode, HWND control) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  bool OnTimer(UINT_PTR id) override;
  bool OnClose() override;
  bool OnLButtonDown(UINT keys, POINT point) override;
  HBRUSH OnCtlColor(HDC dc, HWND control, int kind) override;
  bool PreTranslateMessage(MSG& message) override;
  void OnOK() override {}  // Enter never ends the gallery
  void paintContent(HDC dc, int width, int height) override;

private:
  struct PictureButton {
    skin::CSkinButton* button;
    int id;
    const char16_t* skinFile;
    SIZE size;  // 0 x 0: one frame of the picture
  };
  std::array<PictureButton, 4> pictureButtons();
  void skinButtons();
  void layOut();
  SIZE pictureFrameOf(int id);
  void scaleControls();
  RECT searchCaptionRect() const;
  void createThumbnailList();
  bool buttonClicked(int id);
  bool treeNotified(const NMHDR& header);
  bool searchKey(const MSG& message);

  // GalleryView (GalleryWindowView_win.cpp)
  void showTree(const library::CategoryTree& tree) override;
  void selectNode(size_t node) override;
  void expandNode(size_t node) override;
  void scrollNodeToTop(size_t node) override;
  void showTab(size_t button, const std::u16string& label) override;
  void hideTab(size_t button) override;
  void setListMode(ListMode mode) override;
  void loadPaths(const std::vector<std::u16string>& paths) override;
  void repaintDetails() override;
  void openLink(const std::u16string& link) override;
  void startTimer(int32_t id, uint32_t milliseconds) override;
  void killTimer(int32_t id) override;
  void postCommand(int64_t code, uint64_t argument) override;
  void setTitle(const std::u16string& title) override;
  void showTopmostWithoutFocus() override;
  void showAndRaise() override;
  void hideWindow() override;
  void endDialog() override;
  void postQuit() override;
  void releaseInstanceEvent() override;
  void enableUpdateButton() override;
  uint64_t ownWindow() override;
  bool isWindowAlive(WindowNumber window) override;
  void setWindowText(WindowNumber window, const std::u16string& text) override;
  void postToWindow(WindowNumber window, uint32_t message, uint64_t wParam, int64_t lParam) override;
  bool sendToCadProgram(const std::u16string& command) override;
  void showNote(const std::u16string& note) override;
  std::optional<std::vector<std::u16string>> chooseDwgFiles() override;
  void runEmptyLibraryPrompt() override;
  bool runSpecialtyDialog() override;
  int32_t runUpdateDialog() override;
  void restartUpdateWalk() override;
  void startIndexRefresh() override;
  void clearTreeSelection() override;
  void showSearchCaption(const std::u16string& caption) override;
  void clearSearchField() override;
  void focusResults() override;
  void postSearchAnswer() override;

  AppState& state_;
  base::KernelHandle& instanceEvent_;
  library::LibraryPlace place_;
  std::unique_ptr<GalleryModel> model_;  // made at initialisation, once the library's place is known
  CategoryTreeView m_tree;
  thumbs::CDWGListView m_listView;
  skin::CSkinButton m_btnClose;
  skin::CSkinButton m_btnUpdate;
  skin::CSkinButton m_btnHelp;
  skin::CSkinButton m_btnAddMore;
  skin::CSkinButton m_btnMoreInfo;
  std::array<skin::CSkinButton, 5> m_btnTab;
  skin::CSkinButton m_btnPrev;
  skin::CSkinButton m_btnNext;
  SearchField m_search;
  NotePopup m_note;
  std::u16string searchCaption_;
};

}  // namespace gallery
