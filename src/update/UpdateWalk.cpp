#include "update/UpdateWalk.h"

#include <algorithm>

#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "library/ItemList.h"
#include "library/SafeName.h"
#include "update/FetchWorker.h"
#include "update/KeepOrFetch.h"
#include "update/Percent.h"
#include "update/UpdateCodes.h"

namespace update {

namespace {

using library::RowLevel;

// What a request costs beside its bytes, in bytes: the bar's share of a block of unknown or tiny size.
constexpr uint64_t kRequestWeight = 32 * 1024;

// The text after the last "/" of a URL: on the server an item list is named after its folder.
std::u16string_view lastUrlSegment(std::u16string_view url) {
  size_t slash = url.rfind(u'/');
  return slash == std::u16string_view::npos ? url : url.substr(slash + 1);
}

std::u16string itemListPath(const library::CategoryRow& row) {
  return base::joinPath(row.folder, u"FileList.xml");
}

uint64_t weightOf(const library::BlockRecord& block) { return block.size.value_or(0) + kRequestWeight; }

}  // namespace

UpdateWalk::~UpdateWalk() {
  for (auto dropped = inFlight_.rbegin(); dropped != inFlight_.rend(); ++dropped)
    state_.toFetch.push_front(dropped->second);
  if (record_) record_->save();
}

void UpdateWalk::start() {
  const library::CategoryTable& table = host_.categoryTable();
  for (const library::CategoryRow& row : table) removeStaleParts(row.folder);
  if (!table.empty()) record_ = std::make_unique<UpdateRecord>(table.front().folder);
  // Blocks an earlier dialog left are asked for again with their category's fresh item list.
  if (!state_.toFetch.empty()) {
    state_.categoryCursor = std::min(state_.categoryCursor, state_.toFetch.front().row);
    state_.toFetch.clear();
  }
  host_.postStep(kStepNextCategory);
}

void UpdateWalk::handleStep(uint32_t wParam, int32_t lParam) {
  switch (lParam) {
    case kStepNextCategory: return nextCategory();
    case kStepItemListFetched: return itemListFetched(outcomeOf(wParam));
    case kStepNextBlock: return fetchBlocks();
    case kStepBlockFetched: return blockFetched(wParam);
    case kProgressBase: return host_.setBar(std::min<uint32_t>(wParam, 100));
    default: return;
  }
}

void UpdateWalk::trace(std::u16string_view text) {
  host_.writeDebugLine((base::Format(u"\n%s %d\n") % text % int64_t(state_.categoryCursor)).str());
}

bool UpdateWalk::cursorOnRow() const { return state_.categoryCursor < host_.categoryTable().size(); }

const library::CategoryRow& UpdateWalk::currentRow() const {
  return host_.categoryTable()[state_.categoryCursor];
}

void UpdateWalk::moveToNextCategory() {
  state_.categoryCursor += 1;
  trace(u"进入下一目录");
  host_.postStep(kStepNextCategory);
}

void UpdateWalk::nextCategory() {
  const library::CategoryTable& table = host_.categoryTable();
  if (!cursorOnRow()) {
    for (const BlockToFetch& fetch : state_.toFetch) weightToFetch_ += weightOf(fetch.block);
    return host_.postStep(kStepNextBlock);
  }
  const library::CategoryRow& row = currentRow();
  if (row.level < RowLevel::Category) {
    state_.categoryCursor += 1;
    trace(u"根或一级目录,进入下一目录");
    host_.postStep(kStepNextCategory);
    return;
  }
  size_t next = size_t(state_.categoryCursor) + 1;
  // A category divided into sub-categories holds no blocks of its own.
  if (row.level == RowLevel::Category && next < table.size() && table[next].level == RowLevel::SubCategory) {
    trace(u"此目录没有图块");
    return moveToNextCategory();
  }
  fetchItemList(row);
}

void UpdateWalk::fetchItemList(const library::CategoryRow& row) {
  std::u16string url = row.folderUrl + u"/" + std::u16string(lastUrlSegment(row.folderUrl)) + u".xml";
  std::u16string localPath = itemListPath(row);
  std::u16string shown = library::displayName(std::u16string(base::fileNamePart(row.folder)));
  host_.setStatus((base::Format(u"正在检查图库 %s 的更新文件") % shown).str());
  bool category = row.level == RowLevel::Category;
  if (category) host_.writeDebugLine(u"\n下载二级目录下XML\n");
  host_.writeDebugLine(url);
  host_.writeDebugLine(localPath);
  trace(category ? u"开始下载" : u"下载图块");
  FetchOrder order{url, localPath, nullptr};
  order.showsProgress = false;  // the bar follows the blocks of the walk, not one file
  // A list on disk is asked for only when it changed; a missing one is fetched whatever the record says.
  const FileSource* recorded = record_ ? record_->find(localPath) : nullptr;
  if (recorded && base::files::exists(localPath)) order.validators = {recorded->etag, recorded->lastModified};
  order.answered = listAnswer_;
  host_.startFetch(std::move(order));
}

void UpdateWalk::itemListFetched(int32_t outcome) {
  if (!cursorOnRow() || ended_) return;
  if (outcome != kFetchStored && outcome != kFetchUnchanged) {
    host_.writeDebugLine(u"\n下载失败XML\n");
    trace(u"当前目录");
    return failureEnding();
  }
  host_.writeDebugLine(u"\n下载完成XML\n");
  state_.blocks.clear();
  std::u16string path = itemListPath(currentRow());
  if (outcome == kFetchStored && record_) {
    std::lock_guard<std::mutex> hold(listAnswer_->lock);
    record_->set(path, FileSource{u"", std::nullopt, listAnswer_->validators.etag, listAnswer_->validators.lastModified});
  }
  trace(u"分析图块XML");
  trace(path);
  if (base::files::exists(path)) library::parseItemList(path, currentRow(), state_.blocks);
  trace((base::Format(u"图块数%d") % int64_t(state_.blocks.size())).str());
  chooseBlocksToFetch();
  trace(u"当前目录图块下载完");
  moveToNextCategory();
}

std::u16string UpdateWalk::blockUrl(const BlockToFetch& fetch) const {
  return host_.categoryTable()[fetch.row].folderUrl + u"/" + fetch.block.id + u".dwg";
}

std::u16string UpdateWalk::blockPath(const library::BlockRecord& block) const {
  return base::joinPath(block.folder, block.name) + u".dwg";
}

// Queues every block of the current list that is not on disk as the list names it. A block kept
// without a record (a library from before it) is recorded, so the record rebuilds itself.
void UpdateWalk::chooseBlocksToFetch() {
  for (const library::BlockRecord& block : state_.blocks) {
    BlockToFetch fetch{block, state_.categoryCursor};
    // Only a name that stays one file inside the category's folder ever becomes a path.
    bool safe = library::isSafeLocalName(block.name);
    std::u16string localPath = blockPath(block);
    std::optional<uint64_t> size = safe ? base::files::size(localPath) : std::nullopt;
    const FileSource* recorded = record_ ? record_->find(localPath) : nullptr;
    if (safe && keepOrFetch(block, size, recorded) == BlockChoice::Fetch) {
      state_.toFetch.push_back(std::move(fetch));
      continue;
    }
    trace(blockUrl(fetch));
    trace(localPath);
    trace(safe ? u"图块已有" : u"图块名不可用");
    if (safe && !recorded && record_) record_->set(localPath, FileSource{block.id, size});
  }
}

// Keeps kFetchesAtOnce blocks in flight while there are blocks to fetch; the walk is complete
// when none is left and none is in flight.
void UpdateWalk::fetchBlocks() {
  if (ended_) return;
  while (inFlight_.size() < kFetchesAtOnce && !state_.toFetch.empty()) {
    BlockToFetch fetch = std::move(state_.toFetch.front());
    state_.toFetch.pop_front();
    const library::BlockRecord& block = fetch.block;
    std::u16string url = blockUrl(fetch);
    std::u16string localPath = blockPath(block);
    std::u16string folderShown = library::displayName(std::u16string(base::fileNamePart(block.folder)));
    host_.setStatus((base::Format(u"正在下载 %s %s") % folderShown % library::displayName(block.name)).str());
    attemptedCount_ += 1;
    host_.writeDebugLine(url + localPath);
    trace(u"下载图块");
    FetchOrder order{url, localPath, nullptr, block.size, nextTicket_++};
    order.showsProgress = false;
    inFlight_.emplace(order.ticket, std::move(fetch));
    host_.startFetch(std::move(order));
  }
  if (inFlight_.empty()) walkComplete();
}

void UpdateWalk::blockFetched(uint32_t word) {
  auto found = inFlight_.find(ticketOf(word));
  if (found == inFlight_.end()) return;
  BlockToFetch fetched = std::move(found->second);
  inFlight_.erase(found);
  int32_t outcome = outcomeOf(word);
  if (outcome == kFetchFailed) {
    host_.writeDebugLine(u"\n下载失败图块\n");
    if (ended_) return;
    // The next walk asks for this block's category again, with everything after it.
    state_.categoryCursor = fetched.row;
    state_.toFetch.clear();
    return failureEnding();
  }
  if (outcome == kFetchStored) blockStored(fetched);
  if (outcome == kFetchHeld) trace(u"图块被占用，跳过");
  if (ended_) return;
  weightDone_ += weightOf(fetched.block);
  host_.setBar(percentDone(weightDone_, weightToFetch_));
  host_.postStep(kStepNextBlock);
}

void UpdateWalk::blockStored(const BlockToFetch& fetched) {
  host_.writeDebugLine(u"\n下载完成图块\n");
  std::u16string localPath = blockPath(fetched.block);
  if (record_) record_->set(localPath, FileSource{fetched.block.id, base::files::size(localPath)});
  downloadedCount_ += 1;
  // After a failure ended the walk, a fetch that was in flight still lands; the gallery shows it.
  if (ended_) {
    host_.requestReload();
    downloadedCount_ = 0;
  }
}

void UpdateWalk::walkComplete() {
  ended_ = true;
  // Kept before the outcome is shown: whoever sees it may end the program at once.
  if (record_) record_->save();
  std::u16string text = (base::Format(u"更新完成， 共下载  %d 个图块") % int64_t(downloadedCount_)).str();
  if (attemptedCount_ == 0) {
    host_.setBar(100);
    host_.redrawBar();
    text = u"更新文件检查完成，墨匣已是最新";
  }
  host_.setStatus(text);
  if (downloadedCount_ > 0) {
    host_.requestReload();
    downloadedCount_ = 0;
  }
  trace(u"更新完成");
}

void UpdateWalk::failureEnding() {
  ended_ = true;
  if (record_) record_->save();
  if (downloadedCount_ < 1) {
    host_.setStatus(u"没有下载到当前更新文件");
    return;
  }
  host_.requestReload();
  host_.setStatus((base::Format(u"没有下载到当前更新文件, 已更新%d个图块") % int64_t(downloadedCount_)).str());
  host_.redrawStatus();
  downloadedCount_ = 0;
}

}  // namespace update
