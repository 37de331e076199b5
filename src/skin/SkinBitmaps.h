// The bitmap resources the skinned windows paint their frame, title band and logo from, and the
// measures the paint relies on. The pictures themselves are the program's own artwork
// (resources/art, drawn by tools/art/make_art.py).
#pragma once

namespace skin {

enum class SkinBitmap : int {
  Logo = 136,        // 90 x 18: five 18 x 18 logo frames; frame 0 is shown
  TitleLeft = 144,   // 18 x 100: left end of the title band
  TitleRight = 145,  // 18 x 100: right end of the title band
  TitleBody = 146,   // 1806 x 110: title band body, its top rows used 1:1
  Frame = 147,       // 650 x 64: its outer 2-pixel border gives corners and edges
};

inline constexpr int kFrameSourceWidth = 650;
inline constexpr int kFrameSourceHeight = 64;
inline constexpr int kTitleEndWidth = 18;
inline constexpr int kTitleBodyWidth = 1806;
inline constexpr int kTitleBandHeight = 29;
inline constexpr int kLogoFrames = 5;

// The logo strip drawn for a display setting of percent (100, 150 or 200 %).
inline constexpr int logoResourceFor(int percent) {
  return percent == 100 ? int(SkinBitmap::Logo) : percent == 150 ? 1136 : 2136;
}

// A press in the top 32 rows (client y 0 to 31) moves the window; y 32 and below do not.
inline constexpr int kDragZoneHeight = 32;

inline bool startsWindowMove(int clientY) { return clientY < kDragZoneHeight; }

}  // namespace skin
