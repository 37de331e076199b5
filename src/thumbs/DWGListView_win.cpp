#include "thumbs/DWGListView_win.h"

#include <commctrl.h>

#include "base/FailureLog.h"
#include "thumbs/ThumbTile.h"
#include "win/ImageBitmap.h"

namespace thumbs {

namespace {

constexpr DWORD kListStyles = LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE;  // 0x10C

// One turn of the loader wait on the user-interface thread. The loader talks to the list only by
// sent messages, so handling those is what lets it finish; posted and input messages stay queued,
// which keeps a click or a timer from starting another load while this one is being stopped.
void handleSentMessages() {
  MsgWaitForMultipleObjectsEx(0, nullptr, 1, QS_SENDMESSAGE, 0);
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace

CDWGListView::CDWGListView() : loader_(*this) { loader_.setStopWait(handleSentMessages); }

CDWGListView::~CDWGListView() { loader_.StopLoader(); }

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
  send(LVM_SETICONSPACING, 0, MAKELPARAM(kSpacingX, kSpacingY));
  DWORD extended = DWORD(send(LVM_GETEXTENDEDLISTVIEWSTYLE));
  send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended | LVS_EX_BORDERSELECT | LVS_EX_FULLROWSELECT);
  send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  m_imageList = win::ImageList(kTileWidth, kTileHeight, 0, 1);
  send(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(m_imageList.get()));
}

void CDWGListView::setScale(int dpi) {
  std::vector<std::u16string> shown = paths();
  loader_.StopLoader();
  send(LVM_SETICONSPACING, 0, MAKELPARAM(base::scaled(kSpacingX, dpi), base::scaled(kSpacingY, dpi)));
  const TileSize tile = tileSizeAt(dpi);
  tileSize_ = SIZE{tile.width, tile.height};
  win::ImageList images(tile.width, tile.height, 0, 1);
  send(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images.get()));
  m_imageList = std::move(images);
  loader_.setTileDpi(dpi);
  popup_.setDpi(dpi);
  if (!shown.empty()) LoadPaths(std::move(shown));
}

void CDWGListView::OnDestroy() {
  loader_.StopLoader();
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

int64_t CDWGListView::dataOf(int item) const {
  LVITEMW entry{};
  entry.mask = LVIF_PARAM;
  entry.iItem = item;
  return send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry)) ? int64_t(entry.lParam) : -1;
}

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
    case WM_MOUSEACTIVATE: {
      LRESULT answer = defaultHandling(message, wParam, lParam);
      result = (answer == MA_NOACTIVATE || answer == MA_NOACTIVATEANDEAT) ? answer : 0;
      return true;
    }
  }
  return false;
}

void CDWGListView::resetList(size_t imageCount) {
  hidePreview();
  m_imageList.clear();
  send(LVM_DELETEALLITEMS);
  ImageList_SetImageCount(m_imageList.get(), UINT(imageCount));
}

void CDWGListView::hideScrollBars() {
  ShowScrollBar(handle(), SB_VERT, FALSE);
  ShowScrollBar(handle(), SB_BOTH, FALSE);
}

void CDWGListView::insertItem(size_t index, std::u16string_view caption, size_t imageIndex, size_t data) {
  std::u16string text(caption);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
  item.iItem = int(index);
  item.pszText = reinterpret_cast<wchar_t*>(text.data());
  item.iImage = int(imageIndex);
  item.lParam = LPARAM(data);
  send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void CDWGListView::replaceImage(size_t index, const base::Image& tile) {
  win::Bitmap bitmap = win::bitmapFromImage(tile);
  if (bitmap) m_imageList.replace(int(index), bitmap.get());
}

void CDWGListView::setRedraw(bool on) { send(WM_SETREDRAW, on ? TRUE : FALSE); }

void CDWGListView::redrawItem(size_t index) { send(LVM_REDRAWITEMS, index, index); }

void CDWGListView::invalidate() { InvalidateRect(handle(), nullptr, TRUE); }

}  // namespace thumbs
