// Windows side. The process-wide user-interface font of every skinned window: 18 pixels high,
// "微软雅黑", proof quality. Made on first use and kept until the process ends.
#pragma once
#include <windows.h>

namespace skin {

HFONT uiFont();

}  // namespace skin
