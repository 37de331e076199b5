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
#include "gallery/ShownList.h"
#include "gallery/SpecialtyTabs.h"
#include "library/Categories.h"
#include "library/ItemList.h"
#include "library/ListMerge.h"
#include "library/ListSaving.h"
#include "library/RecentList.h"
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
  // What the list shows at this position; nullopt outside the list. A drag takes it as it starts,
  // since the list may show other blocks by the time the drag ends.
  std::optional<ShownEntry> entryAt(int64_t position) const { return shown_.at(position); }
  // A thumbnail dragged out of the list: a drop the target took chooses the block without a
  // hand-off (the drop is the hand-off), so only a catalogue block's recent entry follows; a
  // cancelled drag changes nothing.
  void itemDragged(const ShownEntry& entry, thumbs::DragEnd end);
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

  // RecentlyUse.xml and UserBlock.xml, written on every road that ends the program (the last save)
  // and when the close button hides it: each file is read again and given only what this gallery
  // changed, since other galleries share it.
  void saveLists(library::SaveTime when);

  // What the window paints and the dialogs read.
  const DetailsPanel& details() const { return details_; }
  // The index entries, specialty numbers, selection, category table, specialty rows and tree.
  const library::Categories& categories() const { return categories_; }
  const library::BlockList& availableBlocks() const { return *available_; }
  const ShownList& shown() const { return shown_; }
  const library::BlockList& recentBlocks() const { return recent_.blocks(); }
  const library::PathList& userBlockPaths() const { return userPaths_; }
  const SpecialtyTabs& tabs() const { return tabs_; }
  size_t caretNode() const { return caret_; }
  ListMode listMode() const { return listMode_; }

private:
  void relabelTabs();
  void showBlocks();
  void showRecentBlocks();
  void showUserBlocks();
  void addUserBlocks();
  void saveUserBlocks(library::SaveTime when);
  void deleteUserBlock(int64_t position);
  void showDetails(int64_t position);
  void clearDetails();
  void openSpecialty(bool alreadyOn, GalleryTimer opener);
  void openNamedNode(std::u16string_view text);
  void startTimer(GalleryTimer timer, uint32_t milliseconds);
  void chooseEntry(const ShownEntry& entry);
  std::u16string nodeText(size_t node) const;
  void refreshSearchIndex();
  void sendQuery();
  void showSearchResults(search::SearchWorker::Answer answer);
  void leaveSearch(bool restoreView);
  void chooseFirstResult();
  const std::vector<size_t>& treeItems() const;

  AppState& state_;
  GalleryView& view_;
  library::LibraryPlace place_;

  library::Categories categories_;
  // False after a rebuild found no index: the tree still shows the old nodes, but they no longer
  // stand for rows, so selecting them shows nothing.
  bool treeCurrent_ = false;
  // Never changed once loaded (a rebuild loads a new one): the search worker reads it too.
  std::shared_ptr<const library::BlockList> available_;
  ShownList shown_;
  library::RecentList recent_;
  library::PathList userPaths_;
  // What this gallery changed since its last save, merged into the file on the next one.
  library::UserBlockEdits userEdits_;

  SpecialtyTabs tabs_;
  DetailsPanel details_;
  size_t caret_ = library::kNoNode;
  ListMode listMode_ = ListMode::Catalogue;

  // Search: the field's text, the number of the last query sent and of the answer shown, and while
  // results are shown the node selected before.
  std::unique_ptr<search::SearchWorker> searchWorker_;
  std::u16string searchText_;
  uint64_t queriesSent_ = 0;
  uint64_t answerShown_ = 0;
  bool queryWaiting_ = false;       // the pause after typing has not run out
  bool chooseFirstOnAnswer_ = false;
  bool searching_ = false;
  size_t nodeBeforeSearch_ = library::kNoNode;
};

}  // namespace gallery
