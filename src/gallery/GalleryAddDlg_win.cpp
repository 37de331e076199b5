#include "gallery/GalleryAddDlg_win.h"

#include <utility>

#include "library/Selection.h"
#include "update/UpdateDialogIds.h"
#include "win/Gdi.h"

namespace gallery {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 353;
constexpr wchar_t kPrompt[] = L"请选择专业添加定制图库";

// A line that, unlike LineTo alone, includes its last pixel.
void line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2 + (x2 > x1 ? 1 : 0), y2 + (y2 > y1 ? 1 : 0));
}

}  // namespace

CGalleryAddDlg::CGalleryAddDlg(const library::Categories& categories, std::u16string dataRoot)
    : skin::SkinnedDialog(IDD_GALLERY_ADD, skin::SkinnedWindow::SpecialtySelection),
      categories_(categories),
      dataRoot_(std::move(dataRoot)) {}

bool CGalleryAddDlg::OnInitDialog() {
  skin::SkinnedDialog::OnInitDialog();
  sizeAndCentre(kWidth, kHeight);
  placeButtons();
  fillCheckBoxes();
  return true;
}

void CGalleryAddDlg::placeButtons() {
  skinCloseButton(m_btnClose, IDC_ADD_CLOSE);
  skinOkCancel(m_btnOk, m_btnCancel);
}

void CGalleryAddDlg::fillCheckBoxes() {
  for (size_t i = 0; i < kSpecialtyBoxes; ++i) checks_[i].attach(item(IDC_ADD_FIRST_CHECK + int(i)));
  std::vector<std::u16string> labels = specialtyLabels(categories_.entries, categories_.specialtyNumbers);
  for (size_t i = 0; i < labels.size(); ++i) {
    ShowWindow(checks_[i].handle(), SW_SHOW);
    checks_[i].setText(labels[i]);
  }
  // Hidden boxes are ticked too: they keep their positions of the selection when it is written.
  SpecialtyTicks ticks = ticksOf(library::readSelection(dataRoot_, library::kDefaultSelection));
  for (size_t i = 0; i < kSpecialtyBoxes; ++i) checks_[i].setChecked(ticks[i]);
}

void CGalleryAddDlg::OnOK() {
  SpecialtyTicks ticks{};
  for (size_t i = 0; i < kSpecialtyBoxes; ++i) ticks[i] = checks_[i].checked();
  library::writeSelection(dataRoot_, selectionOf(ticks));
  endDialog(IDOK);
}

bool CGalleryAddDlg::OnCommand(int id, int notifyCode, HWND control) {
  if (id != IDC_ADD_CLOSE) return false;
  OnCancel();
  return true;
}

HBRUSH CGalleryAddDlg::OnCtlColor(HDC dc, HWND control, int kind) {
  return kind == CTLCOLOR_STATIC ? blackOnWhite(dc) : nullptr;
}

void CGalleryAddDlg::paintContent(HDC dc, int width, int height) {
  win::Pen grey(CreatePen(PS_SOLID, px(1), RGB(192, 192, 192)));
  {
    win::SelectGuard pen(dc, grey.get());
    line(dc, px(10), px(80), px(470), px(80));
    line(dc, px(10), px(290), px(470), px(290));
    line(dc, px(10), px(80), px(10), px(290));
    line(dc, px(470), px(80), px(470), px(290));
    line(dc, px(160), px(95), px(160), px(275));
    line(dc, px(315), px(95), px(315), px(275));
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(21, 21, 21));
  RECT box = px(RECT{15, 45, 280, 68});
  DrawTextW(dc, kPrompt, -1, &box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

bool runSpecialtyDialog(HWND owner, const library::Categories& categories, const std::u16string& dataRoot) {
  CGalleryAddDlg dialog(categories, dataRoot);
  return dialog.doModal(win::Dialog::modalOwner(owner)) == IDOK;
}

}  // namespace gallery
