// The thumbnail list's drags, Ctrl+C and larger preview (see DWGListView_win.h).
#include "thumbs/DWGListView_win.h"

#include <commctrl.h>

#include "thumbs/BlockTransfer_win.h"
#include "thumbs/LargePreview.h"
#include "thumbs/CachedPreview.h"
#include "thumbs/ThumbTile.h"
#include "win/ImageBitmap.h"

namespace thumbs {

namespace {

constexpr UINT_PTR kRestTimer = 0x5052;  // apart from the list control's own timers
constexpr UINT kRestMilliseconds = 500;
constexpr UINT kWatchMilliseconds = 100;

POINT pointOf(LPARAM lParam) { return POINT{short(LOWORD(lParam)), short(HIWORD(lParam))}; }

}  // namespace

void CDWGListView::dragItem(int item, POINT point) {
  if (item < 0 || size_t(item) >= paths().size()) return;
  hidePreview();
  RECT tile{LVIR_ICON, 0, 0, 0};
  send(LVM_GETITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&tile));
  // The icon rectangle is wider than the tile, which is centred in it.
  LONG tileLeft = tile.left + (tile.right - tile.left - tileSize_.cx) / 2;
  POINT grip{point.x - tileLeft, point.y - tile.top};
  if (grip.x < 0 || grip.x >= tileSize_.cx || grip.y < 0 || grip.y >= tileSize_.cy) grip = POINT{tileSize_.cx / 2, tileSize_.cy / 2};
  DragEndHandler ended = dragged_ ? dragged_(dataOf(item)) : nullptr;
  DragEnd end = dragBlock(paths()[size_t(item)], tileBitmap(item), tileSize_, grip);
  if (ended) ended(end);
}

// The item's tile in a bitmap of its own, read again when the cache let it go.
HBITMAP CDWGListView::tileBitmap(int item) const {
  return win::bitmapFromImage(*cachedTile(paths()[size_t(item)], CImageThumbCachedMgr::instance(), {}, dpi_)).release();
}

void CDWGListView::copySelectedItem() {
  int item = int(send(LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
  if (item >= 0 && size_t(item) < paths().size()) copyBlockToClipboard(handle(), paths()[size_t(item)]);
}

bool CDWGListView::inputMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam != 'C' || GetKeyState(VK_CONTROL) >= 0) return false;
      copySelectedItem();
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      // The control's own handling first: it is what starts a drag.
      result = defaultHandling(message, wParam, lParam);
      if (popup_.item() >= 0 && itemAt(pointOf(lParam)) != popup_.item()) popup_.hide();
      // A move report without a move (the system sends some after redraws) must not start the
      // half second again, or a busy list would never show the preview.
      if (lParam != lastMove_) SetTimer(handle(), kRestTimer, kRestMilliseconds, nullptr);
      lastMove_ = lParam;
      return true;
    case WM_TIMER:
      if (wParam != kRestTimer) return false;
      mouseRested();
      result = 0;
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_KILLFOCUS:
      hidePreview();
      return false;
  }
  return false;
}

// The timer first waits for the mouse to rest, then watches it while the preview shows: the
// preview goes when the mouse leaves its thumbnail, whether or not the list hears of the move.
void CDWGListView::mouseRested() {
  POINT cursor{};
  GetCursorPos(&cursor);
  POINT point = cursor;
  ScreenToClient(handle(), &point);
  bool over = WindowFromPoint(cursor) == handle();
  int item = over ? itemAt(point) : -1;
  if (popup_.item() >= 0) {
    if (item != popup_.item()) hidePreview();
    return;
  }
  if (item < 0) {
    KillTimer(handle(), kRestTimer);
    return;
  }
  showLargePreview(point);
  if (popup_.item() >= 0) SetTimer(handle(), kRestTimer, kWatchMilliseconds, nullptr);
}

void CDWGListView::hidePreview() {
  popup_.hide();
  KillTimer(handle(), kRestTimer);
  lastMove_ = -1;
}

void CDWGListView::showLargePreview(POINT point) {
  int item = itemAt(point);
  if (item < 0 || size_t(item) >= paths().size() || GetCapture()) return;
  SharedImage preview = cachedPreview(paths()[size_t(item)]);
  PreviewTexts texts = previewTexts_ ? previewTexts_(dataOf(item)) : PreviewTexts{};
  POINT cursor = point;
  ClientToScreen(handle(), &cursor);
  popup_.show(GetAncestor(handle(), GA_ROOT), item, cursor, MakeLargePreview(preview.get(), base::scaled(kLargePreviewSide, dpi_)),
              std::move(texts.name),
              std::move(texts.spec));
}

}  // namespace thumbs
