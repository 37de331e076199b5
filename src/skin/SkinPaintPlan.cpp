#include "skin/SkinPaintPlan.h"

#include "base/DisplayScale.h"

namespace skin {

std::vector<SkinCopy> framePieces(int w, int h) {
  constexpr int W = kFrameSourceWidth;
  constexpr int H = kFrameSourceHeight;
  const SkinBitmap f = SkinBitmap::Frame;
  return {
      {f, {0, 0, 2, 30}, {0, 0, 2, 30}},                    // top-left
      {f, {W - 2, 0, 2, 30}, {w - 2, 0, 2, 30}},            // top-right
      {f, {0, 2, 2, H - 4}, {0, 30, 2, h - 32}},            // left edge
      {f, {0, 2, 2, H - 4}, {w - 1, 30, 2, h - 32}},        // right edge
      {f, {0, H - 2, 2, 2}, {0, h - 2, 2, 2}},              // bottom-left
      {f, {2, H - 2, W - 4, 2}, {2, h - 2, w - 4, 2}},      // bottom edge
      {f, {W - 2, H - 2, 2, 2}, {w - 2, h - 2, 2, 2}},      // bottom-right
  };
}

std::vector<SkinCopy> titleBandPieces(int w) {
  constexpr int band = kTitleBandHeight;
  return {
      {SkinBitmap::TitleLeft, {0, 0, kTitleEndWidth, band}, {0, 0, kTitleEndWidth, band}},
      {SkinBitmap::TitleBody, {0, 0, w - 20, band}, {kTitleEndWidth, 0, w - 20, band}},
      {SkinBitmap::TitleRight, {kTitleEndWidth - 2, 0, 2, band}, {w - 2, 0, 2, band}},
  };
}

SkinCopy logoPiece(int stripWidth, int stripHeight) {
  const int side = stripWidth / kLogoFrames;
  return {SkinBitmap::Logo, {0, 0, side, stripHeight}, {7, 7, side, stripHeight}};
}

SkinBox buttonBand(int w, int h) { return {2, h - 44, w - 4, 42}; }

SkinBox buttonBand(int w, int h, int dpi) {
  const int edge = base::scaled(2, dpi), top = h - base::scaled(44, dpi);
  return {edge, top, w - 2 * edge, h - edge - top};
}

std::vector<SkinCopy> skinPieces(int w, int h) {
  std::vector<SkinCopy> pieces = framePieces(w, h);
  for (const SkinCopy& piece : titleBandPieces(w)) pieces.push_back(piece);
  return pieces;
}

SkinBox scaledBox(const SkinBox& box, int dpi) {
  const int left = base::scaled(box.x, dpi), top = base::scaled(box.y, dpi);
  return {left, top, base::scaled(box.right(), dpi) - left, base::scaled(box.bottom(), dpi) - top};
}

SkinCopy scaledPiece(SkinCopy piece, int dpi) {
  piece.to = scaledBox(piece.to, dpi);
  return piece;
}

std::vector<SkinCopy> skinPieces(int w, int h, int dpi) {
  if (dpi == base::kBaseDpi) return skinPieces(w, h);
  const int half = dpi / 2;
  std::vector<SkinCopy> pieces = skinPieces((w * base::kBaseDpi + half) / dpi, (h * base::kBaseDpi + half) / dpi);
  for (SkinCopy& piece : pieces) piece = scaledPiece(piece, dpi);
  return pieces;
}

}  // namespace skin
