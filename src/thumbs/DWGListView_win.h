// Windows side. CDWGListView, the thumbnail list of the main window: a large-icon list control
// (id 2213) with one 116 x 55 tile and a short caption per block. It holds no items of its own
// (LVS_OWNERDATA): the control asks for the caption and image of what it draws, so any number of
// blocks costs the same. The loader reads the tiles of the screen shown and the next ones in the
// direction of scrolling; they arrive by a posted message, and only this window's thread touches
// the image list, whose few slots hold the tiles drawn most recently (TileSlots.h).
//
// An item's data value is its position. In catalogue mode that is the position in the window's
// shown blocks; in user-block mode the position among the user's blocks shown, and a right-click
// on an item offers "删除图块". A click, the delete command and a double-click each go to their
// handler.
//
// A thumbnail dragged past the system's drag distance leaves as its DWG file (BlockTransfer_win.h)
// and the dragged-block callback hears how the drag ended; Ctrl+C puts the selected one on the
// clipboard. Resting the mouse on a thumbnail for half a second shows its larger preview, through
// the thumbnail cache, until the mouse moves off it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "thumbs/FileDrop.h"
#include "thumbs/PreviewPopup_win.h"
#include "thumbs/ThumbListSink.h"
#include "thumbs/ThumbLoader.h"
#include "thumbs/TileSlots.h"
#include "thumbs/ThumbTile.h"
#include "win/ImageList.h"
#include "win/Window.h"

namespace thumbs {

// What the larger preview says under the picture.
struct PreviewTexts {
  std::u16string name, spec;
};

class CDWGListView : public win::Window, private ThumbListSink {
public:
  static constexpr int kSpacingX = 121;
  static constexpr int kSpacingY = 80;
  static constexpr UINT kDeleteCommand = 10000;
  static constexpr UINT kModeMessage = WM_USER + 1;  // wParam 1: user-block mode, 0: catalogue
  static constexpr UINT kTilesMessage = WM_APP + 1;  // the loader has tiles waiting
  static constexpr size_t kTileSlots = 160;          // about ten screens of tiles

  CDWGListView();
  ~CDWGListView() override;

  // Creates the list as a visible child of the main window; the window also receives the clicks.
  // The captions are drawn in font, and their label height is measured from it.
  bool Create(HWND parent, const RECT& rect, UINT id, HFONT font);
  // The window's display setting: the spacing (kSpacingX x kSpacingY at 96 dpi) and the tiles
  // (thumbs/ThumbTile.h) scaled to it; the blocks shown are loaded again at the new size.
  void setScale(int dpi);

  // Called with the item's data value on a double-click on an item.
  void setChosenHandler(std::function<void(int64_t)> chosen) { chosen_ = std::move(chosen); }
  // Enter: the selected item is chosen as a double-click would choose it.
  void chooseSelectedItem();
  // Called with the item's data value as its drag starts (the list may show other blocks by the time
  // it ends); what it gives is called with how the drag ended.
  using DragEndHandler = std::function<void(DragEnd)>;
  void setDraggedHandler(std::function<DragEndHandler(int64_t)> dragged) { dragged_ = std::move(dragged); }
  // Gives the larger preview's texts for an item's data value.
  void setPreviewTextsHandler(std::function<PreviewTexts(int64_t)> texts) { previewTexts_ = std::move(texts); }
  // The list's parent passes on what the list control tells it (the captions and images it draws
  // come this way); true when it was taken here, with result the answer.
  bool OnParentNotify(const NMHDR& header, LRESULT& result);
  // Called with the item's data value on a press on an item, before the list changes its selection.
  void setClickHandler(std::function<void(int64_t)> clicked) { clicked_ = std::move(clicked); }
  // Called with the item's position when "删除图块" was chosen from its menu.
  void setDeleteHandler(std::function<void(int32_t)> remove) { delete_ = std::move(remove); }

  // Shows paths from the top, none selected; returns at once, the tiles follow.
  void LoadPaths(std::vector<std::u16string> paths) { loader_.LoadPaths(std::move(paths)); }
  // Reads nothing more for what the list shows until it scrolls or is given new paths.
  void StopLoader() { loader_.want({}); }

  bool loading() const { return loader_.loading(); }
  bool userBlocks() const { return m_bUserBlocks; }
  int32_t contextItem() const { return m_nContextItem; }
  const std::vector<std::u16string>& paths() const { return loader_.paths(); }

protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnLButtonDown(UINT keys, POINT point) override;
  bool OnLButtonDoubleClick(UINT keys, POINT point) override;
  bool OnCommand(int id, int notifyCode, HWND control) override;
  void OnDestroy() override;

private:
  void prepareList();
  void answerDisplayInfo(NMLVDISPINFOW& info);
  // The items on screen, first and last; false when there are none.
  bool screenItems(size_t& first, size_t& last) const;
  // Asks the loader for the tiles the screen now shown lacks, and those of the next screens.
  void wantScreen();
  void placeTiles();
  int itemAt(POINT point) const;
  int64_t dataOf(int item) const;
  void contextMenu(POINT point);
  // DWGListTransfer_win.cpp: drags, Ctrl+C and the larger preview.
  void dragItem(int item, POINT grip);
  HBITMAP tileBitmap(int item) const;
  void copySelectedItem();
  bool inputMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void mouseRested();
  void hidePreview();
  void showLargePreview(POINT point);

  // ThumbListSink
  void resetList(size_t count) override;
  void tilesReady() override;

  win::ImageList m_imageList;
  TileSlots slots_{kTileSlots};
  bool screenWanted_ = false;  // the present screen has been asked for
  size_t wantedFirst_ = 0, wantedLast_ = 0;
  int scrollDirection_ = 1;
  int dpi_ = base::kBaseDpi;
  SIZE tileSize_{kTileWidth, kTileHeight};
  bool m_bUserBlocks = false;
  int32_t m_nContextItem = -1;
  std::function<void(int64_t)> chosen_;
  std::function<DragEndHandler(int64_t)> dragged_;
  std::function<PreviewTexts(int64_t)> previewTexts_;
  PreviewPopup popup_;
  LPARAM lastMove_ = -1;  // where the mouse last moved in the list, as WM_MOUSEMOVE gives it
  std::function<void(int64_t)> clicked_;
  std::function<void(int32_t)> delete_;
  ThumbLoader loader_;
};

}  // namespace thumbs
