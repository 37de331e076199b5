// A stand-in for the main gallery window: the real gallery model behind a plain window with the
// "更新" and "添加更多" buttons, wired to the update's dialogs exactly as the gallery window is.
// What the model shows (the thumbnail list's paths, the reload) is reported on standard output.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "DialogProbe_win.h"
#include "gallery/AppState.h"
#include "gallery/GalleryModel.h"
#include "gallery/GalleryView.h"
#include "library/Categories.h"
#include "win/Window.h"

namespace updatewin {

class StandInGallery : public win::Window, private gallery::GalleryView {
public:
  explicit StandInGallery(library::LibraryPlace place);
  bool open();

protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnTimer(UINT_PTR id) override;
  bool OnCommand(int id, int notifyCode, HWND control) override;
  void OnDestroy() override;

private:
  void reportButton(const char* name, HWND button);

  // gallery::GalleryView
  void showTree(const library::CategoryTree& tree) override;
  void selectNode(size_t node) override;
  void expandNode(size_t node) override {}
  void scrollNodeToTop(size_t node) override {}
  void showTab(size_t button, const std::u16string& label) override {}
  void hideTab(size_t button) override {}
  void setListMode(gallery::ListMode mode) override {}
  void loadPaths(const std::vector<std::u16string>& paths) override;
  void repaintDetails() override {}
  void openLink(const std::u16string& link) override {}
  void startTimer(int32_t id, uint32_t milliseconds) override { setTimer(UINT_PTR(id), milliseconds); }
  void killTimer(int32_t id) override { win::Window::killTimer(UINT_PTR(id)); }
  void postCommand(int64_t code, uint64_t argument) override;
  void setTitle(const std::u16string& title) override { setText(title); }
  void showTopmostWithoutFocus() override {}
  void showAndRaise() override {}
  void hideWindow() override {}
  void endDialog() override { destroy(); }
  void postQuit() override { PostQuitMessage(0); }
  void releaseInstanceEvent() override {}
  void enableUpdateButton() override {}
  uint64_t ownWindow() override { return uint64_t(reinterpret_cast<uintptr_t>(handle())); }
  bool isWindowAlive(gallery::WindowNumber window) override { return false; }
  void setWindowText(gallery::WindowNumber window, const std::u16string& text) override {}
  void postToWindow(gallery::WindowNumber, uint32_t, uint64_t, int64_t) override {}
  bool sendToCadProgram(const std::u16string&) override { return false; }
  void showNote(const std::u16string&) override {}
  std::optional<std::vector<std::u16string>> chooseDwgFiles() override { return std::nullopt; }
  void runEmptyLibraryPrompt() override;
  bool runSpecialtyDialog() override;
  int32_t runUpdateDialog() override;
  void restartUpdateWalk() override;
  void startIndexRefresh() override;
  // It has no search field, so no query is ever sent and no answer posted.
  void clearTreeSelection() override {}
  void showSearchCaption(const std::u16string& caption) override {}
  void clearSearchField() override {}
  void focusResults() override {}
  void postSearchAnswer() override {}

  library::LibraryPlace place_;
  gallery::AppState state_;
  gallery::GalleryModel model_;
  size_t selected_ = library::kNoNode;
  DialogProbe probe_;
};

}  // namespace updatewin
