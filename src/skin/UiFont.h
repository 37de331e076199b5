// Windows side. The user-interface fonts, one per display setting, made on first use and kept
// until the process ends: uiFont, 18 pixels high at 96 dpi, "微软雅黑", proof quality, for titles,
// the details panel, captions and the search field; and the dialog templates' own 9-point
// "微软雅黑" for the controls that keep the template's font, given anew when the setting changes.
#pragma once
#include <windows.h>

#include "base/DisplayScale.h"

namespace skin {

HFONT uiFont(int dpi = base::kBaseDpi);
HFONT dialogFont(int dpi);

}  // namespace skin
