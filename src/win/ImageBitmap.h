// Portable pixels to a Windows bitmap: a 32-bit top-down DIB section holding the image's BGRA.
#pragma once
#include <windows.h>

#include "base/Image.h"
#include "win/Gdi.h"

namespace win {

// An empty bitmap when the image is empty or the section cannot be made.
Bitmap bitmapFromImage(const base::Image& image);

// The pixels of any bitmap as 32-bit BGRA, top row first (what a test or a cache reads back).
base::Image imageFromBitmap(HBITMAP bitmap);

}  // namespace win
