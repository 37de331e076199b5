// A window for the gallery model that records what it is asked to do. Its tree behaves like the
// tree control: selecting a node other than the current one reports the change to the model.
#pragma once
#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/Text.h"
#include "gallery/GalleryModel.h"
#include "gallery/GalleryView.h"

namespace gallery_test {

using gallery::ListMode;
using gallery::WindowNumber;

struct PostedMessage {
  WindowNumber window;
  uint32_t message;
  uint64_t wParam;
  int64_t lParam;
  bool operator==(const PostedMessage&) const = default;
};

class FakeGalleryView : public gallery::GalleryView {
public:
  gallery::GalleryModel* model = nullptr;

  // What the window shows.
  library::CategoryTree tree;
  size_t treeShows = 0;
  size_t selected = library::kNoNode;
  std::set<size_t> expanded;
  size_t topNode = library::kNoNode;
  std::array<std::optional<std::u16string>, 5> tabs;
  ListMode listMode = ListMode::Catalogue;
  std::vector<std::u16string> listPaths;
  size_t loads = 0;
  size_t detailRepaints = 0;
  std::vector<std::u16string> openedLinks;
  std::map<int32_t, uint32_t> timers;  // running timers and their periods
  int dialogsOpened = 0;               // file dialogs shown
  std::vector<std::pair<int64_t, uint64_t>> posted;  // commands posted to the window itself
  std::u16string title;
  bool visible = true;
  bool topmost = false;
  bool ended = false;
  bool quitPosted = false;
  bool eventReleased = false;
  bool updateEnabled = false;
  uint64_t windowHandle = 0x5A5A;

  // The host windows that exist, their titles and what they received.
  std::set<WindowNumber> liveWindows;
  std::map<WindowNumber, std::u16string> windowTexts;
  std::vector<PostedMessage> hostMessages;
  // A running CAD program, when there is one, and the commands it took; the notes shown.
  bool cadProgramRuns = false;
  std::vector<std::u16string> cadCommands;
  std::vector<std::u16string> notes;

  // Dialogs.
  std::optional<std::vector<std::u16string>> filesToChoose;
  size_t prompts = 0;
  std::function<void()> whilePrompting;  // what happens while the prompt is open
  std::function<bool()> specialtyDialog;  // what the dialog writes and whether it ends with OK
  size_t specialtyDialogs = 0;
  int32_t downloadsReported = 0;
  size_t updateDialogs = 0;
  size_t walkRestarts = 0;
  size_t indexRefreshes = 0;

  // Every call in order, for tests where order matters.
  std::vector<std::string> calls;

  // Runs the commands the model posted to its own window, as the message loop would.
  void deliverPosted() {
    auto pending = std::move(posted);
    posted.clear();
    for (auto [code, argument] : pending) model->command(code, argument);
  }
  size_t nodeNamed(std::u16string_view text) const {
    for (size_t n = 0; n < tree.nodes().size(); ++n)
      if (tree.nodes()[n].text == text) return n;
    return library::kNoNode;
  }
  void click(std::u16string_view text) { selectNode(nodeNamed(text)); }

  void showTree(const library::CategoryTree& shown) override {
    tree = shown;
    ++treeShows;
    selected = library::kNoNode;
    expanded.clear();
    calls.push_back("showTree");
  }
  void selectNode(size_t node) override {
    calls.push_back("selectNode");
    if (node == selected) return;
    selected = node;
    if (model) model->selectionChanged(node);
  }
  void expandNode(size_t node) override {
    calls.push_back("expandNode");
    expanded.insert(node);
  }
  void scrollNodeToTop(size_t node) override {
    calls.push_back("scrollNodeToTop");
    topNode = node;
  }
  void showTab(size_t button, const std::u16string& label) override { tabs.at(button) = label; }
  void hideTab(size_t button) override { tabs.at(button).reset(); }
  void setListMode(ListMode mode) override {
    calls.push_back(mode == ListMode::Catalogue ? "mode catalogue" : "mode user");
    listMode = mode;
  }
  void loadPaths(const std::vector<std::u16string>& paths) override {
    calls.push_back("loadPaths");
    listPaths = paths;
    ++loads;
  }
  void repaintDetails() override { ++detailRepaints; }
  void openLink(const std::u16string& link) override { openedLinks.push_back(link); }
  void startTimer(int32_t id, uint32_t milliseconds) override { timers[id] = milliseconds; }
  void killTimer(int32_t id) override { timers.erase(id); }
  void postCommand(int64_t code, uint64_t argument) override { posted.emplace_back(code, argument); }
  void setTitle(const std::u16string& text) override { title = text; }
  void showTopmostWithoutFocus() override {
    visible = true;
    topmost = true;
  }
  void showAndRaise() override {
    calls.push_back("showAndRaise");
    visible = true;
    topmost = true;
  }
  void hideWindow() override {
    calls.push_back("hide");
    visible = false;
  }
  void endDialog() override { ended = true; }
  void postQuit() override {
    calls.push_back("postQuit");
    quitPosted = true;
  }
  void releaseInstanceEvent() override { eventReleased = true; }
  void enableUpdateButton() override { updateEnabled = true; }
  uint64_t ownWindow() override { return windowHandle; }
  bool isWindowAlive(WindowNumber window) override { return liveWindows.count(window) != 0; }
  void setWindowText(WindowNumber window, const std::u16string& text) override {
    calls.push_back("setWindowText");
    windowTexts[window] = text;
  }
  void postToWindow(WindowNumber window, uint32_t message, uint64_t wParam, int64_t lParam) override {
    calls.push_back("postToWindow");
    hostMessages.push_back({window, message, wParam, lParam});
  }
  bool sendToCadProgram(const std::u16string& command) override {
    calls.push_back("sendToCadProgram");
    if (cadProgramRuns) cadCommands.push_back(command);
    return cadProgramRuns;
  }
  void showNote(const std::u16string& note) override { notes.push_back(note); }
  std::optional<std::vector<std::u16string>> chooseDwgFiles() override {
    ++dialogsOpened;
    return filesToChoose;
  }
  void runEmptyLibraryPrompt() override {
    calls.push_back("prompt");
    ++prompts;
    if (whilePrompting) whilePrompting();
  }
  bool runSpecialtyDialog() override {
    ++specialtyDialogs;
    return specialtyDialog ? specialtyDialog() : false;
  }
  int32_t runUpdateDialog() override {
    ++updateDialogs;
    return downloadsReported;
  }
  void restartUpdateWalk() override { ++walkRestarts; }
  void startIndexRefresh() override { ++indexRefreshes; }

  // Search.
  std::u16string searchCaption;
  size_t fieldClears = 0;
  bool resultsFocused = false;
  void clearTreeSelection() override {
    calls.push_back("clearTreeSelection");
    selected = library::kNoNode;
  }
  void showSearchCaption(const std::u16string& caption) override { searchCaption = caption; }
  void clearSearchField() override { ++fieldClears; }
  void focusResults() override { resultsFocused = true; }
  void postSearchAnswer() override {
    std::lock_guard<std::mutex> lock(answerMutex_);
    ++answersPosted_;
    answerPosted_.notify_all();
  }
  // Waits for the worker's next answer and hands it to the model, as the window's message would.
  void deliverNextAnswer() {
    {
      std::unique_lock<std::mutex> lock(answerMutex_);
      answerPosted_.wait(lock, [this] { return answersPosted_ > answersDelivered_; });
      answersDelivered_ = answersPosted_;
    }
    model->searchAnswered();
  }

private:
  std::mutex answerMutex_;
  std::condition_variable answerPosted_;
  size_t answersPosted_ = 0;
  size_t answersDelivered_ = 0;
};

}  // namespace gallery_test
