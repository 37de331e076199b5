#include "PaintedText.h"

#include <windows.h>

#include <cstdint>
#include <cwchar>

#include "Output.h"
#include "base/WinText.h"
#include "skin/UiFont.h"

namespace standin {

namespace {

// Edge pixels of a glyph may fall either side of the darkness threshold in two drawings of one
// text on slightly different grounds (about one in a hundred); a different text differs in whole
// glyphs (one other digit in a caption: one in ten).
constexpr int kToleratedPercent = 5;

long argument(const std::u16string& text) { return std::wcstol(base::wide(text), nullptr, 0); }

// A top-down 32-bit picture with its own DC.
class Picture {
public:
  Picture(HDC like, int width, int height) : dc_(CreateCompatibleDC(like)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(like, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels_ = static_cast<const uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Picture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  bool ok() const { return pixels_ != nullptr; }
  HDC dc() const { return dc_; }
  uint32_t brightness(size_t index) const {
    const uint32_t p = pixels_[index];
    return (p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF);
  }
  bool dark(size_t index) const { return brightness(index) < 3 * 128; }
  // The lightest pixel as a colour: the ground a text is drawn on.
  COLORREF ground(size_t count) const {
    size_t lightest = 0;
    for (size_t i = 1; i < count; ++i)
      if (brightness(i) > brightness(lightest)) lightest = i;
    const uint32_t p = pixels_[lightest];
    return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
  }

private:
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  const uint32_t* pixels_ = nullptr;
};

}  // namespace

// Whether the window shows TEXT as the gallery draws its captions (the skinned windows' font, one
// line, left and vertically centred in that client rectangle): the dark pixels of the screen there
// are compared with those of the text drawn here on the lightest colour found there. "same", or
// "differs=N ink=M" when more than one in twenty of the M pixels dark in either disagree.
int paintedText(const std::vector<std::u16string>& a) {
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(base::wide(a[1]), nullptr, 0)));
  RECT box{argument(a[2]), argument(a[3]), argument(a[4]), argument(a[5])};
  const int width = box.right - box.left, height = box.bottom - box.top;
  POINT origin{box.left, box.top};
  if (!IsWindow(window) || width <= 0 || height <= 0 || !ClientToScreen(window, &origin)) {
    writeLine(stdout, u"window=0");
    return 1;
  }
  HDC screen = GetDC(nullptr);
  Picture shown(screen, width, height), drawn(screen, width, height);
  BitBlt(shown.dc(), 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  if (!shown.ok() || !drawn.ok()) return writeLine(stdout, u"picture=0"), 1;
  const size_t count = size_t(width) * size_t(height);
  RECT all{0, 0, width, height};
  HBRUSH ground = CreateSolidBrush(shown.ground(count));
  FillRect(drawn.dc(), &all, ground);
  DeleteObject(ground);
  SelectObject(drawn.dc(), skin::uiFont());
  SetBkMode(drawn.dc(), TRANSPARENT);
  SetTextColor(drawn.dc(), RGB(21, 21, 21));
  DrawTextW(drawn.dc(), base::wide(a[6]), int(a[6].size()), &all,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  GdiFlush();
  uint64_t ink = 0, differs = 0;
  for (size_t i = 0; i < count; ++i) {
    ink += shown.dark(i) || drawn.dark(i);
    differs += shown.dark(i) != drawn.dark(i);
  }
  if (ink > 0 && differs * 100 <= ink * kToleratedPercent) return writeLine(stdout, u"same"), 0;
  writeLine(stdout, u"differs=" + number(differs) + u" ink=" + number(ink));
  return 1;
}

}  // namespace standin
