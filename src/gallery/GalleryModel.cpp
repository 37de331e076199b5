#include "gallery/GalleryModel.h"

#include "base/Path.h"
#include "gallery/GalleryTitle.h"
#include "library/AvailableBlocks.h"
#include "library/RecentBlocks.h"
#include "library/Selection.h"
#include "library/UserBlockFile.h"

namespace gallery {

namespace {

constexpr uint32_t kStartupRefreshDelay = 300;
constexpr uint32_t kHostOpensLandscapeDelay = 1600;
constexpr uint32_t kSelectRootDelay = 500;
constexpr uint32_t kReloadDelay = 300;

}  // namespace

GalleryModel::GalleryModel(AppState& state, GalleryView& view, library::LibraryPlace place)
    : state_(state),
      view_(view),
      place_(std::move(place)),
      searchWorker_(std::make_unique<search::SearchWorker>([&view] { view.postSearchAnswer(); })) {}

GalleryModel::~GalleryModel() = default;

void GalleryModel::openLibrary() {
  // A Draftwell host works in the landscape specialty; each of its tokens switches it on.
  if (state_.ldFlag) library::enableLandscapeSpecialty(place_.dataRoot);
  if (state_.mnFlag) library::enableLandscapeSpecialty(place_.dataRoot);
  recent_.load(place_.dataRoot);
  fullRebuild();
}

void GalleryModel::finishStart() {
  view_.setTitle(std::u16string(galleryTitle(state_)));
  startTimer(GalleryTimer::StartupRefresh, kStartupRefreshDelay);
  library::loadUserBlocks(place_.dataRoot, userPaths_);
  refreshSearchIndex();
  if (state_.ldFlag) startTimer(GalleryTimer::OpenLandscape, kHostOpensLandscapeDelay);
  if (state_.mnFlag) startTimer(GalleryTimer::OpenLandscape, kHostOpensLandscapeDelay);
}

void GalleryModel::fullRebuild() {
  available_ = std::make_shared<const library::BlockList>();
  // A category's blocks are read again, so its old positions no longer stand for them; the user's
  // files and search results shown keep theirs.
  if (listMode_ == ListMode::Catalogue && !searching_) shown_.clear();
  treeCurrent_ = false;  // no selection may act on the tree while the view refills it
  if (library::rebuildCategories(place_, categories_)) {
    caret_ = library::kNoNode;
    view_.showTree(categories_.tree);
    treeCurrent_ = true;
    view_.expandNode(categories_.tree.items()[library::CategoryTree::kRootItem]);
    std::vector<std::u16string> names;
    for (size_t row : categories_.specialtyRows) {
      names.push_back(library::displayName(std::u16string(base::fileNamePart(categories_.table[row].folder))));
    }
    tabs_.reset(std::move(names));
    relabelTabs();
  }
  available_ = std::make_shared<const library::BlockList>(library::loadAvailableBlocks(categories_.table));
  refreshSearchIndex();
  view_.killTimer(static_cast<int32_t>(GalleryTimer::SelectRoot));
  startTimer(GalleryTimer::SelectRoot, kSelectRootDelay);
}

void GalleryModel::relabelTabs() {
  auto labels = tabs_.labels();
  for (size_t button = 0; button < labels.size(); ++button) {
    if (labels[button]) {
      view_.showTab(button, *labels[button]);
    } else {
      view_.hideTab(button);
    }
  }
}

void GalleryModel::previousTabPage() {
  if (tabs_.previousPage()) relabelTabs();
}

void GalleryModel::nextTabPage() {
  if (tabs_.nextPage()) relabelTabs();
}

void GalleryModel::tabClicked(size_t button) {
  std::optional<size_t> specialty = tabs_.specialtyAt(button);
  if (!specialty || !treeCurrent_ || *specialty >= categories_.specialtyRows.size()) return;
  size_t node = categories_.tree.nodeOfRow(categories_.specialtyRows[*specialty]);
  if (node == library::kNoNode) return;
  view_.selectNode(node);
  view_.expandNode(node);
  view_.scrollNodeToTop(node);
}

void GalleryModel::saveLists(library::SaveTime when) {
  recent_.save(place_.dataRoot, when);
  saveUserBlocks(when);
}

// Hosted, the close button only hides the window; stand-alone it ends the program. Either way
// nothing the user chose or deleted in this run is lost.
void GalleryModel::closeButton() {
  saveLists(state_.hosted() ? library::SaveTime::ordinary() : library::SaveTime::lastOne());
  if (state_.hosted()) {
    view_.hideWindow();
  } else {
    view_.endDialog();
  }
}

void GalleryModel::closeRequest() { saveLists(library::SaveTime::lastOne()); }

void GalleryModel::updateButton() {
  if (categories_.table.size() < 2) return addMoreButton();
  if (view_.runUpdateDialog() > 0) startTimer(GalleryTimer::Reload, kReloadDelay);
}

void GalleryModel::downloadsArrived() { startTimer(GalleryTimer::Reload, kReloadDelay); }

void GalleryModel::addMoreButton() {
  if (categories_.entries.size() == 0) return;
  std::u16string before = library::readSelection(place_.dataRoot, library::kDefaultSelection);
  bool confirmed = view_.runSpecialtyDialog();
  fullRebuild();
  std::u16string after = library::readSelection(place_.dataRoot, library::kSelectionAfterDialog);
  if (!confirmed || !library::selectionGainsSpecialty(before, after)) return;
  view_.restartUpdateWalk();
  updateButton();
}

}  // namespace gallery
