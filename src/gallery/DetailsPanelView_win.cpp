#include "gallery/DetailsPanelView_win.h"

#include <objidl.h>  // GDI+ needs it, and the lean Windows headers leave it out
#include <gdiplus.h>

#include "base/WinText.h"

namespace gallery {

namespace {

constexpr COLORREF kRuleColour = RGB(183, 183, 183);
constexpr COLORREF kTextColour = RGB(21, 21, 21);
constexpr UINT kOneLine = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_LEFT | DT_NOPREFIX;
constexpr int kLabelRise = 16;

const char16_t* const kLabels[] = {u"名称：", u"规格：", u"详情：", u"厂商："};

void drawLine(HDC dc, const std::u16string& text, RECT box) {
  DrawTextW(dc, base::wide(text), int(text.size()), &box, kOneLine);
}

void outlineDetailsBox(HDC dc) {
  Gdiplus::Graphics graphics(dc);
  Gdiplus::Pen pen(Gdiplus::Color(255, 100, 105, 104), 1.0f);
  graphics.DrawRectangle(&pen, 19, 280, 151, 160);
}

void ruleUnderTabs(HDC dc, int width) {
  HBRUSH brush = CreateSolidBrush(kRuleColour);
  RECT rule{2, 67, width - 2, 68};
  FillRect(dc, &rule, brush);
  DeleteObject(brush);
}

}  // namespace

void paintGalleryContent(HDC dc, int width, const DetailsPanel& panel) {
  outlineDetailsBox(dc);
  ruleUnderTabs(dc, width);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTextColour);
  for (int k = 0; k < 4; ++k) {
    RECT value{32, 302 + 32 * k, 150, 327 + 35 * k};
    RECT label{value.left, value.top - kLabelRise, value.right, value.bottom - kLabelRise};
    drawLine(dc, kLabels[k], label);
    drawLine(dc, panel.text(static_cast<DetailsPanel::Field>(k)), value);
  }
}

}  // namespace gallery
