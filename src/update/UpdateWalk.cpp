#include "update/UpdateWalk.h"

#include <algorithm>

#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "library/ItemList.h"
#include "library/SafeName.h"
#include "update/FetchWorker.h"
#include "update/UpdateCodes.h"

namespace update {

namespace {

using library::RowLevel;

// The text after the last "/" of a URL: on the server an item list is named after its folder.
std::u16string_view lastUrlSegment(std::u16string_view url) {
  size_t slash = url.rfind(u'/');
  return slash == std::u16string_view::npos ? url : url.substr(slash + 1);
}

std::u16string itemListPath(const library::CategoryRow& row) {
  return base::joinPath(row.folder, u"FileList.xml");
}

}  // namespace

void UpdateWalk::start() {
  for (const library::CategoryRow& row : host_.categoryTable()) removeStaleParts(row.folder);
  host_.postStep(kStepNextCategory);
}

void UpdateWalk::handleStep(uint32_t wParam, int32_t lParam) {
  switch (lParam) {
    case kStepNextCategory: return nextCategory();
    case kStepItemListFetched: return itemListFetched(wParam == 1);
    case kStepNextBlock: return nextBlock();
    case kStepBlockFetched: return blockFetched(wParam == 1);
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
  if (!cursorOnRow()) return walkComplete();
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
  host_.startFetch(url, localPath, std::nullopt);
}

void UpdateWalk::itemListFetched(bool success) {
  if (!cursorOnRow()) return walkComplete();
  if (!success) {
    host_.writeDebugLine(u"\n下载失败XML\n");
    trace(u"当前目录");
    return failureEnding();
  }
  host_.writeDebugLine(u"\n下载完成XML\n");
  host_.setBar(100);
  state_.blocks.clear();
  std::u16string path = itemListPath(currentRow());
  trace(u"分析图块XML");
  trace(path);
  state_.blockCursor = 0;
  if (base::files::exists(path)) library::parseItemList(path, currentRow(), state_.blocks);
  trace((base::Format(u"图块数%d") % int64_t(state_.blocks.size())).str());
  host_.postStep(kStepNextBlock);
}

void UpdateWalk::nextBlock() {
  if (!cursorOnRow()) return walkComplete();
  if (uint32_t(state_.blockCursor) >= state_.blocks.size()) {
    trace(u"当前目录图块下载完");
    return moveToNextCategory();
  }
  const library::CategoryRow& row = currentRow();
  const library::BlockRecord& block = state_.blocks[size_t(state_.blockCursor)];
  std::u16string url = row.folderUrl + u"/" + block.id + u".dwg";
  // Only a name that stays one file inside the category's folder ever becomes a path.
  bool safe = library::isSafeLocalName(block.name);
  std::u16string localPath = base::joinPath(row.folder, block.name) + u".dwg";
  if (!safe || base::files::exists(localPath)) {
    trace(url);
    trace(localPath);
    trace(safe ? u"图块已有" : u"图块名不可用");
    state_.blockCursor += 1;
    host_.postStep(kStepNextBlock);
    return;
  }
  std::u16string folderShown = library::displayName(std::u16string(base::fileNamePart(block.folder)));
  host_.setStatus((base::Format(u"正在下载 %s %s") % folderShown % library::displayName(block.name)).str());
  attemptedCount_ += 1;
  host_.writeDebugLine(url + localPath);
  trace(u"下载图块");
  host_.startFetch(url, localPath, block.size);
}

void UpdateWalk::blockFetched(bool success) {
  if (!success) {
    host_.writeDebugLine(u"\n下载失败图块\n");
    return failureEnding();
  }
  host_.writeDebugLine(u"\n下载完成图块\n");
  host_.setBar(100);
  state_.blockCursor += 1;
  host_.postStep(kStepNextBlock);
  downloadedCount_ += 1;
}

void UpdateWalk::walkComplete() {
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
