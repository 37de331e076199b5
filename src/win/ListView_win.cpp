#include "win/ListView.h"

#include "base/WinText.h"

namespace win {

int ListView::insert(int position, const std::u16string& text, int image, LPARAM data) {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
  item.iItem = position;
  item.pszText = const_cast<wchar_t*>(base::wide(text));
  item.iImage = image;
  item.lParam = data;
  return ListView_InsertItem(control_, &item);
}

bool ListView::setImage(int position, int image) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = position;
  item.iImage = image;
  return ListView_SetItem(control_, &item) != FALSE;
}

LPARAM ListView::data(int position) const {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = position;
  return ListView_GetItem(control_, &item) ? item.lParam : 0;
}

std::u16string ListView::text(int position) const {
  wchar_t buffer[512] = L"";
  ListView_GetItemText(control_, position, 0, buffer, 512);
  return base::fromWide(buffer);
}

int ListView::hitTest(POINT point) const {
  LVHITTESTINFO probe{};
  probe.pt = point;
  return ListView_HitTest(control_, &probe);
}

RECT ListView::itemRect(int position, int part) const {
  RECT rect{};
  ListView_GetItemRect(control_, position, &rect, part);
  return rect;
}

}  // namespace win
