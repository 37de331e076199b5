// Where every piece of the skin goes: the copies from the skin bitmaps that make a window's frame,
// title band and logo, in paint order. The window side performs them with the platform's
// stretching copy; the image painter performs them on a portable image. Both read this one plan.
#pragma once
#include <optional>
#include <vector>

#include "skin/SkinBitmaps.h"
#include "skin/SkinBox.h"

namespace skin {

// Copy the source rectangle of a bitmap to the destination, stretching when the sizes differ.
struct SkinCopy {
  SkinBitmap source;
  SkinBox from;
  SkinBox to;
  bool operator==(const SkinCopy&) const = default;
};

// The frame from bitmap 147 for a client area of width x height. The right edge starts at
// width - 1, so only its dark outer column falls inside the window.
std::vector<SkinCopy> framePieces(int width, int height);

// The 29-row title band over the frame's top: left end, body copied 1:1, right end.
std::vector<SkinCopy> titleBandPieces(int width);

// Frame 0 of a logo strip of the given size (five frames side by side), at (7, 7), 1:1.
SkinCopy logoPiece(int stripWidth, int stripHeight);

// The grey band behind a dialog's buttons: (2, height - 44) to (width - 2, height - 2).
SkinBox buttonBand(int width, int height);
// The same band at dpi, kept to the bottom and the sides.
SkinBox buttonBand(int width, int height, int dpi);

// Frame then title band, as the paint sequence draws them.
std::vector<SkinCopy> skinPieces(int width, int height);

// A box measured at 96 dpi, at dpi: each edge scaled on its own (base/DisplayScale.h).
SkinBox scaledBox(const SkinBox& box, int dpi);

// A piece of the 96-dpi plan drawn at dpi: the same source, stretched over the scaled destination.
SkinCopy scaledPiece(SkinCopy piece, int dpi);

// The plan for a client area of width x height pixels at dpi: the 96-dpi plan of the window that
// size stands for, every destination scaled, so the frame keeps to the window's edges.
std::vector<SkinCopy> skinPieces(int width, int height, int dpi);

}  // namespace skin
