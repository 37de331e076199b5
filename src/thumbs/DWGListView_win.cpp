#include "thumbs/DWGListView_win.h"

#include <commctrl.h>

#include <algorithm>

#include "base/FailureLog.h"
#include "base/WinText.h"
#include "thumbs/ThumbCaption.h"
#include "thumbs/ThumbTile.h"
#include "win/ImageBitmap.h"

namespace thumbs {

namespace {

// 0x10C and the owner-data style: the control keeps no item of its own.
constexpr DWORD kListStyles = LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE | LVS_OWNERDATA;

}  // namespace

CDWGListView::CDWGListView() : loader_(*this) {}

CDWGListView::~CDWGListView() = default;

bool CDWGListView::Create(HWND parent, const RECT& rect, UINT id, HFONT font) {
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"ListView", WS_CHILD | WS_VISIBLE | kListStyles, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), win::programInstance(), nullptr);
  if (!list) base::logFailure(u"create the thumbnail list", GetLastError());
  if (!list || !subclass(list)) return false;
  // Before any item: the control sizes its labels from the font it holds when they are laid out.
  send(WM_SETFONT, WPARAM(font), FALSE);
  prepareList();
  return true;
}

void CDWGListView::prepareList() {
  DWORD extended = DWORD(send(LVM_GETEXTENDEDLISTVIEWSTYLE));
  send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended | LVS_EX_BORDERSELECT | LVS_EX_FULLROWSELECT);
  send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  setScale(base::kBaseDpi);
}

// Spacing, tile slots (slot 0 the empty frame) and the larger preview for a display setting; the
// blocks shown come again in tiles of the new size.
void CDWGListView::setScale(int dpi) {
  send(LVM_SETICONSPACING, 0, MAKELPARAM(base::scaled(kSpacingX, dpi), base::scaled(kSpacingY, dpi)));
  dpi_ = dpi;
  const TileSize tile = tileSizeAt(dpi);
  tileSize_ = SIZE{tile.width, tile.height};
  win::ImageList images(tile.width, tile.height, int(kTileSlots), 1);
  ImageList_SetImageCount(images.get(), UINT(kTileSlots));
  win::Bitmap empty = win::bitmapFromImage(MakeThumbTile(nullptr, dpi));
  if (empty) images.replace(0, empty.get());
  send(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images.get()));
  m_imageList = std::move(images);
  loader_.setTileDpi(dpi);
  popup_.setDpi(dpi);
  if (!paths().empty()) LoadPaths(paths());
}

void CDWGListView::OnDestroy() {
  loader_.want({});
  popup_.destroy();
  // Without LVS_SHAREIMAGELISTS the control would destroy the image list with itself, and then
  // m_imageList a second time.
  send(LVM_SETIMAGELIST, LVSIL_NORMAL, 0);
}

int CDWGListView::itemAt(POINT point) const {
  LVHITTESTINFO probe{};
  probe.pt = point;
  return int(send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&probe)));
}

// An item's data value is its position, in the paths as in the list.
int64_t CDWGListView::dataOf(int item) const { return item >= 0 && size_t(item) < paths().size() ? item : -1; }

// The main window hears of the click before the list control changes its selection.
bool CDWGListView::OnLButtonDown(UINT, POINT point) {
  int item = itemAt(point);
  if (item >= 0 && clicked_) clicked_(dataOf(item));
  return false;
}

bool CDWGListView::OnLButtonDoubleClick(UINT, POINT point) {
  int item = itemAt(point);
  if (item >= 0 && chosen_) chosen_(dataOf(item));
  return false;
}

void CDWGListView::chooseSelectedItem() {
  int item = int(send(LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
  if (item >= 0 && chosen_) chosen_(dataOf(item));
}

void CDWGListView::contextMenu(POINT point) {
  m_nContextItem = itemAt(point);
  if (!m_bUserBlocks || m_nContextItem < 0) return;
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kDeleteCommand, L"删除图块");
  ClientToScreen(handle(), &point);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, point.x, point.y, 0, handle(), nullptr);
  DestroyMenu(menu);
}

bool CDWGListView::OnCommand(int id, int, HWND) {
  if (id < int(kDeleteCommand) || id > int(kDeleteCommand) + 10) return false;
  if (id == int(kDeleteCommand) && delete_) delete_(m_nContextItem);
  return true;
}

bool CDWGListView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (inputMessage(message, wParam, lParam, result)) return true;
  switch (message) {
    case kModeMessage:
      m_bUserBlocks = wParam != 0;
      result = 0;
      return true;
    case WM_RBUTTONDOWN:
      // The control's own right-click handling is skipped, so the selection stays as it was.
      contextMenu(POINT{short(LOWORD(lParam)), short(HIWORD(lParam))});
      result = 0;
      return true;
    case WM_PAINT:
      // What was drawn decides what is read next.
      result = defaultHandling(message, wParam, lParam);
      wantScreen();
      return true;
    case kTilesMessage:
      placeTiles();
      result = 0;
      return true;
    case WM_MOUSEACTIVATE: {
      LRESULT answer = defaultHandling(message, wParam, lParam);
      result = (answer == MA_NOACTIVATE || answer == MA_NOACTIVATEANDEAT) ? answer : 0;
      return true;
    }
  }
  return false;
}

void CDWGListView::resetList(size_t count) {
  hidePreview();
  slots_.clear();
  screenWanted_ = false;
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  send(LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&none));
  // Arranged while redrawing is off, the items are laid out without one invalidation each: Wine's
  // list otherwise lays out a grown count on its next paint, at a cost growing faster than the count.
  send(WM_SETREDRAW, FALSE);
  send(LVM_SETITEMCOUNT, count, 0);
  send(LVM_ARRANGE, LVA_DEFAULT);
  send(WM_SETREDRAW, TRUE);
  if (count) send(LVM_ENSUREVISIBLE, 0, FALSE);
  InvalidateRect(handle(), nullptr, TRUE);
  wantScreen();
}

// The loader thread: the window takes the tiles on its own thread.
void CDWGListView::tilesReady() { post(kTilesMessage); }

void CDWGListView::placeTiles() {
  for (const LoadedTile& loaded : loader_.takeTiles()) {
    win::Bitmap bitmap = win::bitmapFromImage(*loaded.tile);
    if (!bitmap) continue;
    m_imageList.replace(slots_.place(loaded.item), bitmap.get());
    send(LVM_REDRAWITEMS, loaded.item, loaded.item);
  }
}

bool CDWGListView::OnParentNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != handle()) return false;
  result = 0;
  switch (header.code) {
    case LVN_GETDISPINFOW:
      // The control hands over a structure for the answer; only the notification's view is const.
      answerDisplayInfo(const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)));
      return true;
    case LVN_ODFINDITEMW: {  // a letter typed in the list
      const auto& find = reinterpret_cast<const NMLVFINDITEMW&>(header);
      std::optional<size_t> found;
      if ((find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) && find.lvfi.psz) {
        found = findCaption(paths(), base::fromWide(find.lvfi.psz), size_t(std::max(0, find.iStart)));
      }
      result = found ? LRESULT(*found) : -1;
      return true;
    }
    case LVN_BEGINDRAG: {
      const auto& drag = reinterpret_cast<const NMLISTVIEW&>(header);
      dragItem(drag.iItem, drag.ptAction);
      return true;
    }
  }
  return false;
}

void CDWGListView::answerDisplayInfo(NMLVDISPINFOW& info) {
  if (info.item.iItem < 0 || size_t(info.item.iItem) >= paths().size()) return;
  size_t item = size_t(info.item.iItem);
  if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0) {
    std::u16string caption = thumbCaption(paths()[item]);
    size_t length = std::min(caption.size(), size_t(info.item.cchTextMax - 1));
    std::copy_n(caption.data(), length, reinterpret_cast<char16_t*>(info.item.pszText));
    info.item.pszText[length] = 0;
  }
  if (info.item.mask & LVIF_IMAGE) info.item.iImage = slots_.slotOf(item);
}

// The control lays the items out in rows from item 0; its rectangles are in client coordinates,
// so item 0's top tells how far the list is scrolled.
bool CDWGListView::screenItems(size_t& first, size_t& last) const {
  size_t count = paths().size();
  RECT zero{LVIR_BOUNDS, 0, 0, 0};
  if (!count || !send(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&zero))) return false;
  size_t perRow = 1;
  LONG pitch = kSpacingY;
  for (; perRow < count; ++perRow) {
    RECT next{LVIR_BOUNDS, 0, 0, 0};
    send(LVM_GETITEMRECT, perRow, reinterpret_cast<LPARAM>(&next));
    if (next.top != zero.top) {
      pitch = std::max<LONG>(1, next.top - zero.top);
      break;
    }
  }
  RECT client = clientRect();
  size_t firstRow = zero.top < 0 ? size_t(-zero.top / pitch) : 0;
  size_t lastRow = size_t(std::max<LONG>(0, client.bottom - 1 - zero.top) / pitch);
  first = std::min(firstRow * perRow, count - 1);
  last = std::min((lastRow + 1) * perRow, count) - 1;
  return true;
}

void CDWGListView::wantScreen() {
  size_t first = 0, last = 0;
  if (!screenItems(first, last)) return;
  if (screenWanted_ && first == wantedFirst_ && last == wantedLast_) return;
  if (screenWanted_ && first != wantedFirst_) scrollDirection_ = first > wantedFirst_ ? 1 : -1;
  screenWanted_ = true;
  wantedFirst_ = first;
  wantedLast_ = last;
  std::vector<size_t> wanted;
  for (size_t item : screenOrder(first, last, paths().size(), scrollDirection_)) {
    if (!slots_.holds(item)) wanted.push_back(item);
  }
  loader_.want(wanted);
}

}  // namespace thumbs
