// Handing a chosen block to the CAD host: the path goes into the host window's title, then a
// message tells the host to read it. A gallery without a live host inserts the block into the
// CAD program the user draws in instead.
#pragma once
#include <string>
#include <string_view>

#include "gallery/AppState.h"
#include "gallery/GalleryView.h"

namespace gallery {

enum class HandOffTarget { None, ArxHost, DraftwellHost, CadProgram };

// What the gallery notes after sending a block to a CAD program, and when none took it.
inline constexpr std::u16string_view kInsertedNote = u"图中已有同名图块时沿用图中的定义";
inline constexpr std::u16string_view kNoCadProgramNote = u"没有找到正在运行的 CAD 程序：可拖动图块到图中";

// A live ARX host gets the block first (and the gallery hides); otherwise a live Draftwell host;
// otherwise the running CAD program, with a note either way. Nothing is retitled or posted to a
// host window that is 0 or gone.
HandOffTarget handOffBlock(const AppState& state, GalleryView& view, const std::u16string& dwgPath);

}  // namespace gallery
