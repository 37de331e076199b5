// Windows side. A block leaving the gallery as a file: dragged with the mouse (OLE drag and
// drop, copy only, the tile as the drag image) or put on the clipboard with Ctrl+C. Both carry
// the data of BlockDataObject.
#pragma once
#include <windows.h>

#include <string>

#include "thumbs/FileDrop.h"

namespace thumbs {

// Runs the drag until the button is released or Esc is pressed; the tile bitmap (may be null) is
// shown under the cursor, held at grip. The thread must have called OleInitialize.
DragEnd dragBlock(const std::u16string& path, HBITMAP tile, SIZE tileSize, POINT grip);

// The clipboard holds the block as a file drop afterwards; false when it could not be opened.
bool copyBlockToClipboard(HWND owner, const std::u16string& path);

}  // namespace thumbs
