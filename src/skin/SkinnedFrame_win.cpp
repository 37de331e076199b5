#include "skin/SkinnedFrame.h"

#include "base/DisplayScale.h"
#include "base/WinText.h"
#include "skin/SkinColours.h"
#include "skin/SkinPaintPlan.h"
#include "skin/UiFont.h"
#include "skin/WinColour.h"
#include "win/Window.h"

namespace skin {
namespace {

SIZE sizeOf(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void fill(HDC dc, const SkinBox& box, uint32_t colour) {
  win::Brush brush(CreateSolidBrush(colorRef(colour)));
  RECT r{box.x, box.y, box.right(), box.bottom()};
  FillRect(dc, &r, brush.get());
}

// The skin bitmaps for one paint: loaded from the resources now, released when it ends.
struct PaintBitmaps {
  win::Bitmap frame = loadBitmapResource(int(SkinBitmap::Frame));
  win::Bitmap titleLeft = loadBitmapResource(int(SkinBitmap::TitleLeft));
  win::Bitmap titleRight = loadBitmapResource(int(SkinBitmap::TitleRight));
  win::Bitmap titleBody = loadBitmapResource(int(SkinBitmap::TitleBody));

  HBITMAP of(SkinBitmap bitmap) const {
    switch (bitmap) {
      case SkinBitmap::Frame: return frame.get();
      case SkinBitmap::TitleLeft: return titleLeft.get();
      case SkinBitmap::TitleRight: return titleRight.get();
      case SkinBitmap::TitleBody: return titleBody.get();
      case SkinBitmap::Logo: break;
    }
    return nullptr;
  }
};

void copy(HDC dc, HDC source, HBITMAP bitmap, const SkinCopy& piece) {
  if (!bitmap || piece.to.empty() || piece.from.empty()) return;
  win::SelectGuard selected(source, bitmap);
  StretchBlt(dc, piece.to.x, piece.to.y, piece.to.width, piece.to.height, source, piece.from.x, piece.from.y,
             piece.from.width, piece.from.height, SRCCOPY);
}

}  // namespace

win::Bitmap loadBitmapResource(int id) {
  return win::Bitmap(static_cast<HBITMAP>(
      LoadImageW(win::programInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

void SkinnedFrame::loadLogo(int dpi) {
  logoPercent_ = base::artPercentFor(dpi);
  logo_ = loadBitmapResource(logoResourceFor(logoPercent_));
  if (!logo_ && logoPercent_ != 100) {
    logoPercent_ = 100;
    logo_ = loadBitmapResource(int(SkinBitmap::Logo));
  }
  const SIZE size = sizeOf(logo_.get());
  logoWidth_ = size.cx;
  logoHeight_ = size.cy;
}

void SkinnedFrame::paint(HDC dc, int w, int h, int dpi, const std::function<void(HDC)>& ownContent) const {
  win::SavedDC saved(dc);
  fill(dc, {0, 0, w, h}, kClientBackground);
  if (hasButtonBand(window_)) fill(dc, buttonBand(w, h, dpi), kButtonBand);

  const PaintBitmaps bitmaps;
  win::MemoryDC source(dc);
  SetStretchBltMode(dc, COLORONCOLOR);
  for (const SkinCopy& piece : skinPieces(w, h, dpi)) copy(dc, source, bitmaps.of(piece.source), piece);
  // The logo, drawn at 100 % or at the nearest larger setting, is a picture, not a run of even
  // rows: it is shrunk and grown smoothly where the setting lies between.
  SkinCopy logo = scaledPiece(logoPiece(logoWidth_ * 100 / logoPercent_, logoHeight_ * 100 / logoPercent_), dpi);
  logo.from = {0, 0, logoWidth_ / kLogoFrames, logoHeight_};
  if (!(logo.from.width == logo.to.width && logo.from.height == logo.to.height)) {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
  }
  copy(dc, source, logo_.get(), logo);

  win::SelectGuard font(dc, uiFont(dpi));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colorRef(kTitleText));
  const SkinTitle title = titleOf(window_);
  const SkinBox at = scaledBox(title.box, dpi);
  RECT box{at.x, at.y, at.right(), at.bottom()};
  DrawTextW(dc, base::wide(title.text), -1, &box, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
  if (ownContent) ownContent(dc);
}

bool SkinnedFrame::startMoveByTitle(HWND window, POINT point, int dpi) {
  if (!startsWindowMove(point.y * base::kBaseDpi / dpi)) return false;
  PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
  return true;
}

HBRUSH SkinnedFrame::blackOnWhite(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

}  // namespace skin
