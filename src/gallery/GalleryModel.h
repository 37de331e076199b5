// The main window's logic, free of any window: it owns the library lists, decides what the tree,
// the tabs, the thumbnail list and the details panel show, handles the gallery command message
// and the timers, and hands chosen blocks to the host. CGalleryDlg forwards its notifications here
// and carries out what the model asks through GalleryView.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gallery/AppState.h"
#include "gallery/DetailsPanel.h"
#include "gallery/GalleryCommand.h"
#include "gallery/GalleryView.h"
#include "gallery/SpecialtyTabs.h"
#include "library/Categories.h"
#include "library/ItemList.h"
#include "library/ListMerge.h"
#include "library/Records.h"
#include "library/UserBlocks.h"
#include "thumbs/FileDrop.h"
#include "search/SearchWorker.h"

namespace gallery {

class GalleryModel {
public:
  GalleryModel(AppState& state, GalleryView& view, library::LibraryPlace place);
  ~GalleryModel();

  // Start-up, around the window creating its controls: openLibrary switches the landscape
  // specialty on for a Draftwell host, reads the recent blocks and rebuilds; finishStart sets the
  // title, reads the user blocks and starts the start-up timers.
  void openLibrary();
  void finishStart();

  // Index, tree, tabs and available blocks read again; the root is selected 500 ms later.
  void fullRebuild();

  // Tabs.
  void previousTabPage();
  void nextTabPage();
  void tabClicked(size_t button);

  // Tree notifications; node numbers are those of the tree last shown.
  void selectionChanged(size_t node);
  void itemExpanding();
  void treeClicked(size_t node);

  // The thumbnail list: a double-click on the item at this position hands its block over.
  void itemChosen(int64_t position);
  // A thumbnail dragged out of the list: a drop the target took chooses the block without a
  // hand-off (the drop is the hand-off), so only a catalogue block's recent entry follows; a
  // cancelled drag changes nothing.
  void itemDragged(int64_t position, thumbs::DragEnd end);
  // The name and <Spec> text the larger preview of the item at this position shows, as the
  // details panel would; empty for a position outside the list.
  DetailsPanel previewTexts(int64_t position) const;

  // The gallery command message; the answer is always 0.
  int64_t command(int64_t code, uint64_t argument);
  void timerFired(int32_t id);
  // True when the key is handled here and must not reach the dialog (Enter and Esc).
  bool keyDown(uint32_t virtualKey);

  // The search field (SearchCommands.cpp): its text changed; a key pressed in it (true when
  // handled there); the worker's answer waits.
  void searchTextChanged(std::u16string text);
  bool searchKeyDown(uint32_t virtualKey);
  void searchAnswered();
  bool searching() const { return searching_; }

  // Buttons and the window system's close request.
  void closeButton();
  void closeRequest();
  void moreInfoButton();
  void helpButton();
  void updateButton();
  void addMoreButton();
  // The update walk stored blocks: the lists are read again 300 ms later.
  void downloadsArrived();

  // RecentlyUse.xml and UserBlock.xml, written on every road that ends the program: each file is
  // read again and given only what this gallery changed, since other galleries share it.
  void saveLists();

  // What the window paints and the dialogs read.
  const DetailsPanel& details() const { return details_; }
  // The index entries, specialty numbers, selection, category table, specialty rows and tree.
  const library::Categories& categories() const { return categories_; }
  const library::BlockList& availableBlocks() const { return available_; }
  const library::BlockList& shownBlocks() const { return shown_; }
  const library::BlockList& recentBlocks() const { return recent_; }
  const library::PathList& userBlockPaths() const { return userPaths_; }
  const library::PathList& shownUserBlocks() const { return shownUserPaths_; }
  const SpecialtyTabs& tabs() const { return tabs_; }
  size_t caretNode() const { return caret_; }
  ListMode listMode() const { return listMode_; }

private:
  void relabelTabs();
  void showBlocks();
  void showRecentBlocks();
  void showUserBlocks();
  void dropShownBlocks();
  void addUserBlocks();
  void saveUserBlocks();
  void deleteUserBlock(int64_t position);
  void showBlockDetails(int64_t position);
  void showUserBlockDetails(int64_t position);
  void clearDetails();
  void openSpecialty(bool alreadyOn, GalleryTimer opener);
  void openNamedNode(std::u16string_view text);
  void startTimer(GalleryTimer timer, uint32_t milliseconds);
  void chooseCatalogueBlock(int64_t position);
  void chooseUserBlock(int64_t position);
  std::u16string nodeText(size_t node) const;
  void refreshSearchIndex();
  void sendQuery();
  void showSearchResults(search::SearchWorker::Answer answer);
  void leaveSearch(bool restoreView);
  void chooseFirstResult();
  void chooseSearchHit(int64_t position);
  void showSearchHitDetails(int64_t position);
  const std::vector<size_t>& treeItems() const;

  AppState& state_;
  GalleryView& view_;
  library::LibraryPlace place_;

  library::Categories categories_;
  // False after a rebuild found no index: the tree still shows the old nodes, but they no longer
  // stand for rows, so selecting them shows nothing.
  bool treeCurrent_ = false;
  library::BlockList available_;
  library::BlockList shown_;
  library::BlockList recent_;
  library::PathList userPaths_;
  library::PathList shownUserPaths_;  // what the list was given in user-block mode
  // What this gallery changed since its last save, merged into the files on the next one.
  library::BlockList recentChosen_;
  library::UserBlockEdits userEdits_;

  SpecialtyTabs tabs_;
  DetailsPanel details_;
  size_t caret_ = library::kNoNode;
  ListMode listMode_ = ListMode::Catalogue;

  // Search: the field's text, the number of the last query sent and of the answer shown, and while
  // results are shown the hits, what they point into and the node selected before.
  std::unique_ptr<search::SearchWorker> searchWorker_;
  std::u16string searchText_;
  uint64_t queriesSent_ = 0;
  uint64_t answerShown_ = 0;
  bool queryWaiting_ = false;       // the pause after typing has not run out
  bool chooseFirstOnAnswer_ = false;
  bool searching_ = false;
  size_t nodeBeforeSearch_ = library::kNoNode;
  std::shared_ptr<const search::LibrarySearch> resultSource_;
  std::vector<search::SearchHit> hits_;
};

}  // namespace gallery
