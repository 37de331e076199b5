// The main window's title. Only an ARX-hosted gallery carries the spaced title, which is how a
// second start finds it; the frame always paints "墨匣" whatever the title is.
#pragma once
#include <string_view>

#include "gallery/AppState.h"

namespace gallery {

inline constexpr char16_t kHostedTitle[] = u"墨 匣";
inline constexpr char16_t kStandAloneTitle[] = u"墨匣";

inline std::u16string_view galleryTitle(const AppState& state) {
  return state.arxHostWindow != 0 ? kHostedTitle : kStandAloneTitle;
}

}  // namespace gallery
