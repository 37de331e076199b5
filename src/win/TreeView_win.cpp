#include "win/TreeView.h"

#include "base/WinText.h"

namespace win {

HTREEITEM TreeView::insert(HTREEITEM parent, const std::u16string& text, LPARAM data, HTREEITEM after) {
  TVINSERTSTRUCTW insertion{};
  insertion.hParent = parent ? parent : TVI_ROOT;
  insertion.hInsertAfter = after;
  insertion.item.mask = TVIF_TEXT | TVIF_PARAM;
  insertion.item.pszText = const_cast<wchar_t*>(base::wide(text));
  insertion.item.lParam = data;
  return TreeView_InsertItem(control_, &insertion);
}

LPARAM TreeView::data(HTREEITEM item) const {
  TVITEMW entry{};
  entry.mask = TVIF_PARAM;
  entry.hItem = item;
  return TreeView_GetItem(control_, &entry) ? entry.lParam : 0;
}

std::u16string TreeView::text(HTREEITEM item) const {
  wchar_t buffer[512] = L"";
  TVITEMW entry{};
  entry.mask = TVIF_TEXT;
  entry.hItem = item;
  entry.pszText = buffer;
  entry.cchTextMax = 512;
  return TreeView_GetItem(control_, &entry) ? base::fromWide(buffer) : std::u16string();
}

}  // namespace win
