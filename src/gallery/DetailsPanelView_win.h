// Windows side. What the main window paints besides the common skin: the outlined details box
// with its four labels and values, and the rule under the tab row.
#pragma once
#include <windows.h>

#include "gallery/DetailsPanel.h"

namespace gallery {

// Called while uiFont is selected into the DC; width is the client width; the places of
// GalleryLayout.h drawn at dpi.
void paintGalleryContent(HDC dc, int width, const DetailsPanel& panel, int dpi);

}  // namespace gallery
