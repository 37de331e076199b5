// The thumbnail list's drags, Ctrl+C and larger preview (see DWGListView_win.h).
#include "thumbs/DWGListView_win.h"

#include <commctrl.h>

#include "thumbs/BlockTransfer_win.h"
#include "thumbs/LargePreview.h"
#include "thumbs/ThumbCache.h"
#include "thumbs/ThumbTile.h"
#include "win/ImageBitmap.h"

namespace thumbs {

namespace {

constexpr UINT_PTR kRestTimer = 0x5052;  // apart from the list control's own timers
constexpr UINT kRestMilliseconds = 500;
constexpr UINT kWatchMilliseconds = 100;

POINT pointOf(LPARAM lParam) { return POINT{short(LOWORD(lParam)), short(HIWORD(lParam))}; }

}  // namespace

// The list control reports a drag that began on an item once the mouse went past the system's
// drag distance with the button held.
bool CDWGListView::OnParentNotify(const NMHDR& header) {
  if (header.hwndFrom != handle() || header.code != LVN_BEGINDRAG) return false;
  const auto& drag = reinterpret_cast<const NMLISTVIEW&>(header);
  dragItem(drag.iItem, drag.ptAction);
  return true;
}

void CDWGListView::dragItem(int item, POINT point) {
  if (item < 0 || size_t(item) >= paths().size()) return;
  hidePreview();
  RECT tile{LVIR_ICON, 0, 0, 0};
  send(LVM_GETITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&tile));
  // The icon rectangle is wider than the tile, which is centred in it.
  LONG tileLeft = tile.left + (tile.right - tile.left - tileSize_.cx) / 2;
  POINT grip{point.x - tileLeft, point.y - tile.top};
  if (grip.x < 0 || grip.x >= tileSize_.cx || grip.y < 0 || grip.y >= tileSize_.cy) grip = POINT{tileSize_.cx / 2, tileSize_.cy / 2};
  DragEnd end = dragBlock(paths()[size_t(item)], tileBitmap(item), tileSize_, grip);
  if (dragged_) dragged_(dataOf(item), end);
}

// The tile as the list shows it, drawn from the image list into a bitmap of its own.
HBITMAP CDWGListView::tileBitmap(int item) const {
  LVITEMW entry{};
  entry.mask = LVIF_IMAGE;
  entry.iItem = item;
  if (!send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry))) return nullptr;
  win::Bitmap bitmap = win::bitmapFromImage(base::Image(tileSize_.cx, tileSize_.cy, base::kWhite));
  if (!bitmap) return nullptr;
  win::MemoryDC dc;
  win::SelectGuard keep(dc, bitmap.get());
  ImageList_Draw(m_imageList.get(), entry.iImage, dc, 0, 0, ILD_NORMAL);
  return bitmap.release();
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

// While the loader runs the cache is the loader's, so the preview waits for it to finish.
void CDWGListView::showLargePreview(POINT point) {
  int item = itemAt(point);
  if (item < 0 || size_t(item) >= paths().size() || GetCapture()) return;
  if (loader_.loading()) return;  // the timer asks again
  const base::Image* preview = CImageThumbCachedMgr::instance().Lookup(paths()[size_t(item)]);
  PreviewTexts texts = previewTexts_ ? previewTexts_(dataOf(item)) : PreviewTexts{};
  POINT cursor = point;
  ClientToScreen(handle(), &cursor);
  popup_.show(GetAncestor(handle(), GA_ROOT), item, cursor, MakeLargePreview(preview, base::scaled(kLargePreviewSide, popup_.dpi())), std::move(texts.name),
              std::move(texts.spec));
}

}  // namespace thumbs
