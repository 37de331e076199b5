// The search field: typing filters the whole library after a short pause, the results fill the
// thumbnail list in catalogue mode with a caption in the tab row, and Esc, Enter and Down act on
// them. The index is rebuilt on the search worker after every rebuild and user-list change.
#include "base/Text.h"
#include "gallery/GalleryModel.h"
#include "gallery/HostHandOff.h"
#include "search/TextMatcher.h"

namespace gallery {

namespace {

constexpr uint32_t kTypingPause = 150;
constexpr size_t kCaptionQueryLength = 12;

bool searchable(const std::u16string& text) { return !search::TextMatcher(text).empty(); }

std::u16string captionOf(std::u16string_view text, size_t found) {
  std::u16string query = base::trimmed(text);
  if (query.size() > kCaptionQueryLength) query = query.substr(0, kCaptionQueryLength) + u"…";
  std::u16string caption = u"搜索 \"" + query + u"\"：";
  return caption + (found == 0 ? u"没有找到图块" : base::decimal(int64_t(found)) + u" 个图块");
}

}  // namespace

// The worker copies the texts; it gets what it reads as copies of its own or shares what never changes.
void GalleryModel::refreshSearchIndex() {
  auto categories = std::make_shared<const library::Categories>(categories_);
  searchWorker_->rebuild([categories, available = available_, userPaths = userPaths_] {
    return search::snapshotOf(*categories, *available, userPaths);
  });
}

// Typing makes an Enter pressed before the last answer mean the text as it will be, not as it was:
// the choice waits for Enter again.
void GalleryModel::searchTextChanged(std::u16string text) {
  searchText_ = std::move(text);
  chooseFirstOnAnswer_ = false;
  view_.killTimer(static_cast<int32_t>(GalleryTimer::Search));
  if (!searchable(searchText_)) {
    // Emptied by hand: back to the view before, as Esc would.
    if (searching_) leaveSearch(true);
    queryWaiting_ = false;
    ++queriesSent_;  // an answer still on its way is out of date
    return;
  }
  queryWaiting_ = true;
  startTimer(GalleryTimer::Search, kTypingPause);
}

void GalleryModel::sendQuery() {
  view_.killTimer(static_cast<int32_t>(GalleryTimer::Search));
  queryWaiting_ = false;
  std::vector<std::u16string> recentIds;
  recentIds.reserve(recent_.blocks().size());
  for (const library::BlockRecord& block : recent_.blocks()) recentIds.push_back(block.id);
  searchWorker_->query(++queriesSent_, searchText_, std::move(recentIds));
}

void GalleryModel::searchAnswered() {
  std::optional<search::SearchWorker::Answer> answer = searchWorker_->take();
  if (!answer || answer->number != queriesSent_ || queryWaiting_) return;
  showSearchResults(std::move(*answer));
  if (chooseFirstOnAnswer_) {
    chooseFirstOnAnswer_ = false;
    chooseFirstResult();
  }
}

void GalleryModel::showSearchResults(search::SearchWorker::Answer answer) {
  view_.killTimer(static_cast<int32_t>(GalleryTimer::EmptyLibraryPrompt));
  if (!searching_) {
    nodeBeforeSearch_ = caret_;
    searching_ = true;
    view_.clearTreeSelection();
  }
  caret_ = library::kNoNode;
  view_.postCommand(static_cast<int64_t>(GalleryCommand::ClearDetails), 0);
  shown_.clear();
  answerShown_ = answer.number;
  shown_.showHits(std::move(answer.search), answer.hits);
  listMode_ = ListMode::Catalogue;
  view_.setListMode(listMode_);
  view_.loadPaths(shown_.paths());
  view_.showSearchCaption(captionOf(searchText_, shown_.size()));
}

// Ends the search: the field is emptied and the caption goes. Restoring selects the node that was
// selected before, which shows its blocks as any selection does.
void GalleryModel::leaveSearch(bool restoreView) {
  view_.killTimer(static_cast<int32_t>(GalleryTimer::Search));
  ++queriesSent_;
  queryWaiting_ = false;
  chooseFirstOnAnswer_ = false;
  bool wasSearching = searching_;
  searching_ = false;
  if (!searchText_.empty()) {
    searchText_.clear();
    view_.clearSearchField();
  }
  if (!wasSearching) return;
  view_.showSearchCaption(u"");
  if (!restoreView) return;
  const std::vector<size_t>& items = treeItems();
  size_t node = nodeBeforeSearch_;
  if (node == library::kNoNode && !items.empty()) node = items[library::CategoryTree::kRootItem];
  if (node != library::kNoNode) view_.selectNode(node);
}

bool GalleryModel::searchKeyDown(uint32_t virtualKey) {
  if (searchText_.empty() && (virtualKey == kEscapeKey || virtualKey == kEnterKey)) return keyDown(virtualKey);
  switch (virtualKey) {
    case kEscapeKey: leaveSearch(true); return true;
    case kEnterKey: chooseFirstResult(); return true;
    case kDownKey:
      if (searching_ && !shown_.empty()) view_.focusResults();
      return true;
  }
  return false;
}

// Enter before the answer to the text typed has come in chooses from that answer when it comes.
void GalleryModel::chooseFirstResult() {
  if (!searchable(searchText_)) return;
  if (queryWaiting_ || answerShown_ != queriesSent_) {
    chooseFirstOnAnswer_ = true;
    if (queryWaiting_) sendQuery();
    return;
  }
  if (searching_) itemChosen(0);
}

}  // namespace gallery
