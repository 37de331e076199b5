#include "gallery/GalleryDlg_win.h"

#include "gallery/DetailsPanelView_win.h"
#include "gallery/GalleryCommand.h"
#include "library/PathsAndSettings.h"
#include "resource.h"
#include "skin/UiFont.h"

namespace gallery {

namespace {

constexpr int kWidth = 590;
constexpr int kHeight = 454;
// The search caption stands in the tab row, below the tab buttons and left of "添加更多".
constexpr RECT kSearchCaptionRect{19, 46, 460, 64};
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
  sizeAndCentre(kWidth, kHeight);
  place_ = libraryPlace();
  model_ = std::make_unique<GalleryModel>(state_, static_cast<GalleryView&>(*this), place_);
  skin::SkinnedDialog::OnInitDialog();  // the logo
  skinButtons();
  model_->openLibrary();
  createThumbnailList();
  m_search.create(handle());
  SetWindowPos(m_tree.handle(), nullptr, 19, 75, 153, 196, SWP_NOZORDER);
  model_->finishStart();
  return true;
}

void CGalleryDlg::skinButtons() {
  skinCloseButton(m_btnClose, IDC_CLOSE_BUTTON);
  skinButton(m_btnUpdate, IDC_UPDATE, u"update.bmp", skin::kPictureStyle, 397, 5);
  skinButton(m_btnHelp, IDC_HELP_BUTTON, u"help.bmp", skin::kPictureStyle, 471, 5);
  skinButton(m_btnAddMore, IDC_ADD_MORE, u"add.bmp", skin::kPictureStyle, 468, 36);
  m_btnMoreInfo.attach(item(IDC_MORE_INFO));
  m_btnMoreInfo.setStyle(skin::kLinkTextStyle);
  m_btnMoreInfo.place(32, 421, SIZE{80, 15});
  // The tabs and the page buttons keep the template's places.
  for (size_t k = 0; k < m_btnTab.size(); ++k) {
    m_btnTab[k].attach(item(kTabIds[k]));
    m_btnTab[k].setStyle(skin::kTabTextStyle);
  }
  m_btnPrev.attach(item(IDC_TAB_PREVIOUS));
  m_btnPrev.setStyle(skin::kTabTextStyle);
  m_btnNext.attach(item(IDC_TAB_NEXT));
  m_btnNext.setStyle(skin::kTabTextStyle);
}

void CGalleryDlg::createThumbnailList() {
  m_listView.Create(handle(), kListRect, IDC_THUMBNAIL_LIST, skin::uiFont());
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
  if (model_) paintGalleryContent(dc, width, model_->details());
  SearchField::paintBox(dc);
  if (!searchCaption_.empty()) {
    RECT box = kSearchCaptionRect;
    SetTextColor(dc, RGB(21, 21, 21));
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(searchCaption_.c_str()), int(searchCaption_.size()), &box,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
}

void CGalleryDlg::showSearchCaption(const std::u16string& caption) {
  searchCaption_ = caption;
  InvalidateRect(handle(), &kSearchCaptionRect, TRUE);
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
  if (SearchField::boxHolds(point)) {
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
