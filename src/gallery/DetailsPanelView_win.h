// Windows side. What the main window paints besides the common skin: the outlined details box
// with its four labels and values, and the rule under the tab row.
#pragma once
#include <windows.h>

#include "gallery/DetailsPanel.h"

namespace gallery {

// The part of the window repainted when the panel's texts change.
inline constexpr RECT kDetailsArea{32, 294, 159, 466};

// Called while uiFont is selected into the DC; width is the client width.
void paintGalleryContent(HDC dc, int width, const DetailsPanel& panel);

}  // namespace gallery
