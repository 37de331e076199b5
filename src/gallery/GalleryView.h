// What the gallery model asks of its window. CGalleryDlg implements it with the real controls;
// tests implement it with a recording fake. Every call is made on the user-interface thread.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gallery/AppState.h"
#include "library/CategoryTree.h"

namespace gallery {

enum class ListMode { Catalogue, UserBlocks };

class GalleryView {
public:
  virtual ~GalleryView() = default;

  // Tree. Nodes are the tree's node numbers. Selecting a node makes the tree report the change
  // back through GalleryModel::selectionChanged, as the tree control does.
  virtual void showTree(const library::CategoryTree& tree) = 0;  // replaces every node
  virtual void selectNode(size_t node) = 0;
  virtual void expandNode(size_t node) = 0;
  virtual void scrollNodeToTop(size_t node) = 0;

  // Tab buttons 0 to 4.
  virtual void showTab(size_t button, const std::u16string& label) = 0;
  virtual void hideTab(size_t button) = 0;

  // Thumbnail list. The mode is set before every load.
  virtual void setListMode(ListMode mode) = 0;
  virtual void loadPaths(const std::vector<std::u16string>& paths) = 0;

  // Details panel and links.
  virtual void repaintDetails() = 0;
  virtual void openLink(const std::u16string& link) = 0;

  // One-shot timers and the command message to the window itself.
  virtual void startTimer(int32_t id, uint32_t milliseconds) = 0;
  virtual void killTimer(int32_t id) = 0;
  virtual void postCommand(int64_t code, uint64_t argument) = 0;

  // The window itself.
  virtual void setTitle(const std::u16string& title) = 0;
  virtual void showTopmostWithoutFocus() = 0;   // code 0
  virtual void showAndRaise() = 0;              // code 9
  virtual void hideWindow() = 0;
  virtual void endDialog() = 0;                 // the cancel path: the program ends
  virtual void postQuit() = 0;                  // the quit message: the program ends
  virtual void releaseInstanceEvent() = 0;      // close the single-instance event if held
  virtual void enableUpdateButton() = 0;
  virtual uint64_t ownWindow() = 0;             // the gallery's handle, as the Draftwell host gets it

  // Host windows.
  virtual bool isWindowAlive(WindowNumber window) = 0;
  virtual void setWindowText(WindowNumber window, const std::u16string& text) = 0;
  virtual void postToWindow(WindowNumber window, uint32_t message, uint64_t wParam, int64_t lParam) = 0;

  // With no live host: the command line goes to the running CAD program whose window is highest;
  // false when none runs or it did not take the command (the window logs why).
  virtual bool sendToCadProgram(const std::u16string& command) = 0;
  // A short note over the thumbnail list, gone after a few seconds.
  virtual void showNote(const std::u16string& note) = 0;

  // Dialogs. chooseDwgFiles is the file-open dialog "添加图块"; nullopt when cancelled.
  virtual std::optional<std::vector<std::u16string>> chooseDwgFiles() = 0;
  virtual void runEmptyLibraryPrompt() = 0;
  virtual bool runSpecialtyDialog() = 0;         // true when confirmed with OK
  virtual int32_t runUpdateDialog() = 0;         // the number of files it downloaded
  virtual void restartUpdateWalk() = 0;          // the next update begins at the first row
  virtual void startIndexRefresh() = 0;          // the silent background fetch of InkCasket.xml

  // Search. The caption stands in the tab row while results are shown; empty takes it away.
  virtual void clearTreeSelection() = 0;
  virtual void showSearchCaption(const std::u16string& caption) = 0;
  virtual void clearSearchField() = 0;           // without reporting the change back
  virtual void focusResults() = 0;               // the thumbnail list takes the keys, first item selected
  // The one call made on another thread: the search worker has an answer. The window takes it back
  // to its own thread and calls GalleryModel::searchAnswered there.
  virtual void postSearchAnswer() = 0;
};

}  // namespace gallery
