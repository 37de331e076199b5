// What selecting, expanding and clicking tree nodes shows in the thumbnail list.
#include <algorithm>

#include "gallery/CategoryWalk.h"
#include "gallery/GalleryModel.h"
#include "gallery/NoPromptNames.h"

namespace gallery {

using library::CategoryTree;

void GalleryModel::selectionChanged(size_t node) {
  if (searching_ || !searchText_.empty()) leaveSearch(false);
  view_.killTimer(static_cast<int32_t>(GalleryTimer::EmptyLibraryPrompt));
  caret_ = node;
  const std::vector<size_t>& items = treeItems();
  if (items.empty()) return;
  view_.postCommand(static_cast<int64_t>(GalleryCommand::ClearDetails), 0);
  if (node == items[CategoryTree::kRecentItem]) return showRecentBlocks();
  const std::vector<size_t>& custom = categories_.tree.customItems();
  if (!custom.empty() && node == custom.front()) return showUserBlocks();
  if (custom.size() > 1 && node == custom[1]) return;  // the click adds blocks

  auto found = std::find(items.begin(), items.end(), node);
  size_t position = found == items.end() ? CategoryTree::kRootItem : size_t(found - items.begin());
  shown_.clear();
  if (position == CategoryTree::kRootItem && !recent_.blocks().empty()) return showRecentBlocks();
  size_t row = position == CategoryTree::kRootItem ? 0 : position - 1;
  const library::CategoryTable& table = categories_.table;
  if (row < table.size()) shown_.showBlocks(firstFolderRun(*available_, table[row].folder));
  showBlocks();
}

void GalleryModel::itemExpanding() {
  view_.postCommand(static_cast<int64_t>(GalleryCommand::ClearDetails), 0);
  if (caret_ != library::kNoNode && caret_ == categories_.tree.customNode()) showUserBlocks();
}

void GalleryModel::treeClicked(size_t node) {
  const std::vector<size_t>& custom = categories_.tree.customItems();
  if (custom.size() > 1 && node == custom[1]) startTimer(GalleryTimer::AddUserBlocks, 1);
}

void GalleryModel::showBlocks() {
  listMode_ = ListMode::Catalogue;
  view_.setListMode(listMode_);
  std::vector<std::u16string> paths = shown_.paths();
  view_.loadPaths(paths);
  // The list is given first: the prompt's update reloads the library and fills the list anew
  // while the prompt is open, which an empty list given afterwards would undo.
  if (paths.empty() && !isNoPromptName(nodeText(caret_))) startTimer(GalleryTimer::EmptyLibraryPrompt, 1);
}

void GalleryModel::showRecentBlocks() {
  shown_.showBlocks(recent_.blocks());
  listMode_ = ListMode::Catalogue;
  view_.setListMode(listMode_);
  view_.loadPaths(shown_.paths());
}

void GalleryModel::showUserBlocks() {
  listMode_ = ListMode::UserBlocks;
  view_.setListMode(listMode_);
  shown_.showUserBlocks(library::shownUserBlocks(userPaths_));
  view_.loadPaths(shown_.paths());
}

std::u16string GalleryModel::nodeText(size_t node) const {
  const std::vector<library::TreeNode>& nodes = categories_.tree.nodes();
  return node < nodes.size() ? nodes[node].text : std::u16string();
}

const std::vector<size_t>& GalleryModel::treeItems() const {
  static const std::vector<size_t> kNone;
  return treeCurrent_ ? categories_.tree.items() : kNone;
}

}  // namespace gallery
