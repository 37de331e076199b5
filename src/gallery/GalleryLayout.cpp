#include "gallery/GalleryLayout.h"

#include "resource.h"

namespace gallery {

const std::vector<GalleryControlPlace>& galleryControls() {
  // The tab row stands where its template's dialog units put it with the dialog's 9-point font
  // at 96 dpi: 7/4 pixels a unit across and down.
  static const std::vector<GalleryControlPlace> table{
      {IDC_CLOSE_BUTTON, {kGalleryWidth - 44, 2, kGalleryWidth - 3, 18}, false},
      {IDC_SEARCH_FIELD, {152, 7, 384, 23}, false},
      {IDC_UPDATE, {397, 5, 463, 25}, true},
      {IDC_HELP_BUTTON, {471, 5, 537, 25}, true},
      {IDC_TAB_PREVIOUS, {2, 30, 28, 49}, false},
      {IDC_TAB_0, {28, 30, 100, 49}, false},
      {IDC_TAB_1, {100, 30, 172, 49}, false},
      {IDC_TAB_2, {172, 30, 243, 49}, false},
      {IDC_TAB_3, {243, 30, 315, 49}, false},
      {IDC_TAB_4, {315, 30, 387, 49}, false},
      {IDC_TAB_NEXT, {387, 30, 413, 49}, false},
      {IDC_ADD_MORE, {468, 36, 564, 60}, true},
      {IDC_CATEGORY_TREE, {19, 75, 172, 271}, false},
      {IDC_THUMBNAIL_LIST, {181, 75, 573, 442}, false},
      {IDC_MORE_INFO, {32, 421, 112, 436}, false},
  };
  return table;
}

base::PixelBox galleryControlBox(int id, int dpi) {
  for (const GalleryControlPlace& place : galleryControls()) {
    if (place.id == id) return base::scaled(place.box, dpi);
  }
  return {};
}

}  // namespace gallery
