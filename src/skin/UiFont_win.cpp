#include "skin/UiFont.h"

#include <cwchar>

namespace skin {

HFONT uiFont() {
  // Never deleted: windows select it into their DCs up to the last paint of the process.
  static const HFONT font = [] {
    LOGFONTW face{};
    face.lfHeight = 18;
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = ANSI_CHARSET;
    face.lfOutPrecision = OUT_DEFAULT_PRECIS;
    face.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    face.lfQuality = PROOF_QUALITY;
    face.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::wcscpy(face.lfFaceName, L"微软雅黑");
    return CreateFontIndirectW(&face);
  }();
  return font;
}

}  // namespace skin
