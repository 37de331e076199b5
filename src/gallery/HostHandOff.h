// Handing a chosen block to the CAD host: the path goes into the host window's title, then a
// message tells the host to read it.
#pragma once
#include <string>

#include "gallery/AppState.h"
#include "gallery/GalleryView.h"

namespace gallery {

enum class HandOffTarget { None, ArxHost, DraftwellHost };

// A live ARX host gets the block first (and the gallery hides); otherwise a live Draftwell host;
// otherwise nobody: nothing is retitled or posted to a window that is 0 or gone.
HandOffTarget handOffBlock(const AppState& state, GalleryView& view, const std::u16string& dwgPath);

}  // namespace gallery
