#include "skin/UiFont.h"

#include <cwchar>
#include <map>
#include <mutex>

namespace skin {
namespace {

LOGFONTW yaheiFace(int height) {
  LOGFONTW face{};
  face.lfHeight = height;
  face.lfWeight = FW_NORMAL;
  face.lfOutPrecision = OUT_DEFAULT_PRECIS;
  face.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  face.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::wcscpy(face.lfFaceName, L"微软雅黑");
  return face;
}

// Never deleted: windows select them into their DCs up to the last paint of the process.
HFONT keptFont(std::map<int, HFONT>& fonts, int dpi, const LOGFONTW& face) {
  static std::mutex lock;
  std::lock_guard<std::mutex> hold(lock);
  HFONT& font = fonts[dpi];
  if (!font) font = CreateFontIndirectW(&face);
  return font;
}

}  // namespace

HFONT uiFont(int dpi) {
  static std::map<int, HFONT> fonts;
  LOGFONTW face = yaheiFace(base::scaled(18, dpi));
  face.lfCharSet = ANSI_CHARSET;
  face.lfQuality = PROOF_QUALITY;
  return keptFont(fonts, dpi, face);
}

HFONT dialogFont(int dpi) {
  static std::map<int, HFONT> fonts;
  LOGFONTW face = yaheiFace(-MulDiv(9, dpi, 72));
  face.lfCharSet = GB2312_CHARSET;
  return keptFont(fonts, dpi, face);
}

}  // namespace skin
