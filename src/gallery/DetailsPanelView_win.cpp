#include "gallery/DetailsPanelView_win.h"

#include <objidl.h>  // GDI+ needs it, and the lean Windows headers leave it out
#include <gdiplus.h>

#include "base/WinText.h"
#include "gallery/GalleryLayout.h"
#include "win/DisplayDpi.h"

namespace gallery {

namespace {

constexpr COLORREF kRuleColour = RGB(183, 183, 183);
constexpr COLORREF kTextColour = RGB(21, 21, 21);
constexpr UINT kOneLine = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_LEFT | DT_NOPREFIX;

const char16_t* const kLabels[] = {u"名称：", u"规格：", u"详情：", u"厂商："};

void drawLine(HDC dc, const std::u16string& text, RECT box) {
  DrawTextW(dc, base::wide(text), int(text.size()), &box, kOneLine);
}

void outlineDetailsBox(HDC dc, int dpi) {
  Gdiplus::Graphics graphics(dc);
  Gdiplus::Pen pen(Gdiplus::Color(255, 100, 105, 104), float(base::scaled(1, dpi)));
  const RECT box = win::rectAt(painted::kDetailsOutline, dpi);
  graphics.DrawRectangle(&pen, int(box.left), int(box.top), int(box.right - box.left), int(box.bottom - box.top));
}

void ruleUnderTabs(HDC dc, int width, int dpi) {
  HBRUSH brush = CreateSolidBrush(kRuleColour);
  RECT rule = win::rectAt(painted::kTabRule, dpi);
  rule.right = width - base::scaled(2, dpi);
  FillRect(dc, &rule, brush);
  DeleteObject(brush);
}

}  // namespace

void paintGalleryContent(HDC dc, int width, const DetailsPanel& panel, int dpi) {
  outlineDetailsBox(dc, dpi);
  ruleUnderTabs(dc, width, dpi);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTextColour);
  const int rise = base::scaled(painted::kDetailsLabelRise, dpi);
  for (int k = 0; k < 4; ++k) {
    RECT value = win::rectAt(painted::detailsValue(k), dpi);
    RECT label{value.left, value.top - rise, value.right, value.bottom - rise};
    drawLine(dc, kLabels[k], label);
    drawLine(dc, panel.text(static_cast<DetailsPanel::Field>(k)), value);
  }
}

}  // namespace gallery
