#include "gallery/GalleryDlg_win.h"

#include "gallery/DetailsPanelView_win.h"
#include "gallery/GalleryCommand.h"
#include "gallery/GalleryLayout.h"
#include "library/PathsAndSettings.h"
#include "resource.h"
#include "skin/UiFont.h"
#include "win/DisplayDpi.h"

namespace gallery {

namespace {

constexpr int kTabIds[SpecialtyTabs::kButtons] = {IDC_TAB_0, IDC_TAB_1, IDC_TAB_2, IDC_TAB_3, IDC_TAB_4};

library::LibraryPlace libraryPlace() {
  library::createDataRoot();
  return library::LibraryPlace{library::dataRoot(), library::programFolder(), library::libraryBaseUrl()};
}

}  // namespace

CGalleryDlg::CGalleryDlg(AppState& state, base::KernelHandle& instanceEvent)
    : skin::SkinnedDialog(IDD_GALLERY, skin::SkinnedWindow::Gallery), state_(state), instanceEvent_(instanceEvent) {}

CGalleryDlg::~CGalleryDlg() { m_listView.StopLoader(); }

bool CGalleryDlg::OnInitDialog() {
  m_tree.attach(item(IDC_CATEGORY_TREE));
  skin::SkinnedDialog::OnInitDialog();  // the display setting and the logo
  sizeAndCentre(kGalleryWidth, kGalleryHeight);
  place_ = libraryPlace();
  model_ = std::make_unique<GalleryModel>(state_, static_cast<GalleryView&>(*this), place_);
  skinButtons();
  model_->openLibrary();
  createThumbnailList();
  m_search.create(handle());
  scaleControls();
  model_->finishStart();
  return true;
}

// The picture buttons; the layout table places them.
void CGalleryDlg::skinButtons() {
  for (const PictureButton& button : pictureButtons()) {
    skinButtonAt(*button.button, button.id, button.skinFile, skin::kPictureStyle, POINT{0, 0}, button.size);
  }
  m_btnMoreInfo.attach(item(IDC_MORE_INFO));
  m_btnMoreInfo.setStyle(skin::kLinkTextStyle);
  for (size_t k = 0; k < m_btnTab.size(); ++k) {
    m_btnTab[k].attach(item(kTabIds[k]));
    m_btnTab[k].setStyle(skin::kTabTextStyle);
  }
  m_btnPrev.attach(item(IDC_TAB_PREVIOUS));
  m_btnPrev.setStyle(skin::kTabTextStyle);
  m_btnNext.attach(item(IDC_TAB_NEXT));
  m_btnNext.setStyle(skin::kTabTextStyle);
}

// Every control at its place for the window's display setting, from the one layout table.
void CGalleryDlg::layOut() {
  for (const GalleryControlPlace& place : galleryControls()) {
    const base::PixelBox box = base::scaled(place.box, dpi());
    SIZE size{box.width(), box.height()};
    if (place.pictureSized) size = pictureFrameOf(place.id);
    SetWindowPos(item(place.id), nullptr, box.left, box.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// A picture button is one frame of its picture large (0 x 0 when the picture could not be read).
SIZE CGalleryDlg::pictureFrameOf(int id) {
  for (const PictureButton& button : pictureButtons()) {
    if (button.id == id) return button.button->frameSize();
  }
  return SIZE{0, 0};
}

std::array<CGalleryDlg::PictureButton, 4> CGalleryDlg::pictureButtons() {
  return {{{&m_btnClose, IDC_CLOSE_BUTTON, u"FRAME_BT_CLOSE.bmp", SIZE{px(41), px(16)}},
           {&m_btnUpdate, IDC_UPDATE, u"update.bmp", SIZE{0, 0}},
           {&m_btnHelp, IDC_HELP_BUTTON, u"help.bmp", SIZE{0, 0}},
           {&m_btnAddMore, IDC_ADD_MORE, u"add.bmp", SIZE{0, 0}}}};
}

// Fonts, list spacing and places for the window's display setting.
void CGalleryDlg::scaleControls() {
  m_search.scaleTo(dpi());
  m_listView.setScale(dpi());
  layOut();
}

// On a monitor of another setting: the list's captions, the pictures and every place from the table.
void CGalleryDlg::rescaleControls() {
  m_listView.send(WM_SETFONT, WPARAM(skin::uiFont(dpi())), FALSE);
  for (const PictureButton& button : pictureButtons()) {
    button.button->setPicture(skin::loadSkinPicture(button.skinFile, dpi()));
  }
  scaleControls();
}

void CGalleryDlg::createThumbnailList() {
  m_listView.Create(handle(), win::rectAt(galleryControlBox(IDC_THUMBNAIL_LIST, base::kBaseDpi), dpi()),
                    IDC_THUMBNAIL_LIST, skin::uiFont(dpi()));
  m_listView.setChosenHandler([this](int64_t position) { model_->itemChosen(position); });
  m_listView.setDraggedHandler([this](int64_t position) -> thumbs::CDWGListView::DragEndHandler {
    std::optional<ShownEntry> entry = model_->entryAt(position);
    if (!entry) return nullptr;
    return [this, entry = std::move(*entry)](thumbs::DragEnd end) { model_->itemDragged(entry, end); };
  });
  m_listView.setPreviewTextsHandler([this](int64_t position) {
    DetailsPanel texts = model_->previewTexts(position);
    return thumbs::PreviewTexts{texts.text(DetailsPanel::Name), texts.text(DetailsPanel::Spec)};
  });
  m_listView.setClickHandler([this](int64_t position) {
    auto code = m_listView.userBlocks() ? GalleryCommand::ShowUserBlockDetails : GalleryCommand::ShowBlockDetails;
    if (model_) model_->command(static_cast<int64_t>(code), static_cast<uint64_t>(position));
  });
  // Posted: the delete reloads the list, which must not happen inside the list's own command.
  m_listView.setDeleteHandler([this](int32_t position) {
    postCommand(static_cast<int64_t>(GalleryCommand::DeleteUserBlock), static_cast<uint64_t>(position));
  });
}

void CGalleryDlg::paintContent(HDC dc, int width, int) {
  if (model_) paintGalleryContent(dc, width, model_->details(), dpi());
  SearchField::paintBox(dc, dpi());
  if (!searchCaption_.empty()) {
    RECT box = searchCaptionRect();
    SetTextColor(dc, RGB(21, 21, 21));
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(searchCaption_.c_str()), int(searchCaption_.size()), &box,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
}

// The search caption stands in the tab row, below the tab buttons and left of "添加更多".
RECT CGalleryDlg::searchCaptionRect() const { return win::rectAt(painted::kSearchCaption, dpi()); }

void CGalleryDlg::showSearchCaption(const std::u16string& caption) {
  searchCaption_ = caption;
  const RECT box = searchCaptionRect();
  InvalidateRect(handle(), &box, TRUE);
}

bool CGalleryDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // Windows ends the process after logging off or shutting down; a gallery hidden by its host
  // for hours still has the user's lists to write.
  if (message == WM_ENDSESSION) {
    if (wParam && model_) model_->saveLists(library::SaveTime::lastOne());
    return false;
  }
  if (message == kSearchAnswerMessage) {
    if (model_) model_->searchAnswered();
    return true;
  }
  if (message != kGalleryCommandMessage) return false;
  result = model_ ? model_->command(static_cast<int64_t>(lParam), static_cast<uint64_t>(wParam)) : 0;
  return true;
}

bool CGalleryDlg::OnTimer(UINT_PTR id) {
  if (!model_) return false;
  model_->timerFired(static_cast<int32_t>(id));
  return true;
}

bool CGalleryDlg::PreTranslateMessage(MSG& message) {
  if (message.message == WM_KEYDOWN && model_ && searchKey(message)) return true;
  // Enter on a selected thumbnail acts as a double-click on it.
  if (message.message == WM_KEYDOWN && model_ && message.wParam == VK_RETURN && message.hwnd == m_listView.handle()) {
    m_listView.chooseSelectedItem();
    return true;
  }
  if (message.message == WM_KEYDOWN && model_ && model_->keyDown(uint32_t(message.wParam))) return true;
  return skin::SkinnedDialog::PreTranslateMessage(message);
}

// Ctrl+F and "/" (outside the field) go to the search field; keys typed in it go to the model first.
bool CGalleryDlg::searchKey(const MSG& message) {
  const UINT key = UINT(message.wParam);
  const bool control = GetKeyState(VK_CONTROL) < 0;
  if (message.hwnd == m_search.handle()) return !control && model_->searchKeyDown(uint32_t(key));
  if ((key == 'F' && control) || ((key == VK_OEM_2 && GetKeyState(VK_SHIFT) >= 0) || key == VK_DIVIDE)) {
    m_search.focus();
    return true;
  }
  return false;
}

// A press on the search box beside the field puts the caret in; elsewhere the band moves the window.
bool CGalleryDlg::OnLButtonDown(UINT keys, POINT point) {
  if (SearchField::boxHolds(point, dpi())) {
    m_search.focus();
    return true;
  }
  return skin::SkinnedDialog::OnLButtonDown(keys, point);
}

// The window system's close request (Alt+F4): the lists are written, then the default handling
// ends the dialog through its cancel path.
bool CGalleryDlg::OnClose() {
  if (model_) model_->closeRequest();
  return false;
}

bool CGalleryDlg::OnCommand(int id, int notifyCode, HWND) {
  if (model_ && id == SearchField::kId && notifyCode == EN_CHANGE) {
    if (!m_search.clearing()) model_->searchTextChanged(m_search.text());
    return true;
  }
  if (!model_ || notifyCode != BN_CLICKED) return false;
  return buttonClicked(id);
}

bool CGalleryDlg::buttonClicked(int id) {
  switch (id) {
    case IDC_CLOSE_BUTTON: model_->closeButton(); return true;
    case IDC_UPDATE: model_->updateButton(); return true;
    case IDC_HELP_BUTTON: model_->helpButton(); return true;
    case IDC_ADD_MORE: model_->addMoreButton(); return true;
    case IDC_MORE_INFO: model_->moreInfoButton(); return true;
    case IDC_TAB_PREVIOUS: model_->previousTabPage(); return true;
    case IDC_TAB_NEXT: model_->nextTabPage(); return true;
  }
  for (size_t k = 0; k < SpecialtyTabs::kButtons; ++k) {
    if (id == kTabIds[k]) {
      model_->tabClicked(k);
      return true;
    }
  }
  return id == IDOK;  // Enter's default button: nothing
}

bool CGalleryDlg::OnNotify(const NMHDR& header, LRESULT& result) {
  if (model_ && m_listView.OnParentNotify(header, result)) return true;
  if (!model_ || header.hwndFrom != m_tree.handle() || m_tree.filling()) return false;
  result = 0;  // expanding is always allowed
  return treeNotified(header);
}

bool CGalleryDlg::treeNotified(const NMHDR& header) {
  switch (header.code) {
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGEDA: {
      size_t node = m_tree.nodeOf(reinterpret_cast<const NMTREEVIEWW&>(header).itemNew.hItem);
      if (node != library::kNoNode) model_->selectionChanged(node);
      return true;
    }
    case TVN_ITEMEXPANDINGW:
    case TVN_ITEMEXPANDINGA: model_->itemExpanding(); return true;
    case NM_CLICK: {
      size_t node = m_tree.nodeUnderCursor();
      if (node != library::kNoNode) model_->treeClicked(node);
      return true;
    }
  }
  return false;
}

HBRUSH CGalleryDlg::OnCtlColor(HDC dc, HWND control, int kind) {
  if (kind != CTLCOLOR_STATIC) return nullptr;
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

}  // namespace gallery
