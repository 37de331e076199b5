// thumblist-timing.exe FOLDER: how the thumbnail list, under the real window system, shows every
// DWG file of a folder, first with a cold preview cache and then again for the same paths. For each
// run, in milliseconds from LoadPaths: every caption in the list and painted, the first screen of
// tiles drawn (each visible tile shows its picture band on screen), the loader idle, and the
// longest the window's thread was kept from its messages (by LoadPaths or by one message); then
// the process's peak working set. What is drawn is read from the screen, not from the list's state.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>

#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "base/WinText.h"
#include "thumbs/DWGListView_win.h"
#include "thumbs/ThumbTile.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::u16string> dwgFilesIn(const std::u16string& folder) {
  std::vector<std::u16string> paths;
  for (const std::u16string& name : base::files::listFiles(folder)) {
    if (base::endsWith(name, u".dwg")) paths.push_back(base::joinPath(folder, name));
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

double since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Returns the longest one message took.
double pump() {
  MSG message;
  double longest = 0;
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    auto start = Clock::now();
    DispatchMessageW(&message);
    longest = std::max(longest, since(start));
  }
  return longest;
}

// A tile with a picture has a black band 3 pixels inside its frame; the empty frame is white there.
bool screenDrawn(HWND list, int count) {
  RECT client{};
  GetClientRect(list, &client);
  HDC dc = GetDC(list);
  bool drawn = true;
  for (int item = 0; item < count && drawn; ++item) {
    RECT icon{LVIR_ICON, 0, 0, 0};
    if (!SendMessageW(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&icon))) break;
    if (icon.top >= client.bottom) break;
    LONG left = icon.left + (icon.right - icon.left - thumbs::kTileWidth) / 2;
    COLORREF band = GetPixel(dc, left + 3, icon.top + thumbs::kTileHeight / 2);
    drawn = band != CLR_INVALID && GetRValue(band) < 128;
  }
  ReleaseDC(list, dc);
  return drawn;
}

struct Run {
  double captions = -1, firstScreen = -1, idle = -1, busy = 0;
};

Run timedLoad(thumbs::CDWGListView& list, const std::vector<std::u16string>& paths) {
  Run run;
  auto start = Clock::now();
  list.LoadPaths(paths);
  run.busy = since(start);
  int count = int(paths.size());
  while (run.idle < 0 || run.firstScreen < 0) {
    run.busy = std::max(run.busy, pump());
    if (run.captions < 0 && SendMessageW(list.handle(), LVM_GETITEMCOUNT, 0, 0) == count) {
      auto paint = Clock::now();
      UpdateWindow(list.handle());
      run.busy = std::max(run.busy, since(paint));
      run.captions = since(start);
    }
    if (run.firstScreen < 0 && run.captions >= 0 && screenDrawn(list.handle(), count)) run.firstScreen = since(start);
    if (run.idle < 0 && !list.loading()) run.idle = since(start);
  }
  return run;
}

double peakWorkingSetMb() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return double(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 2) return 2;
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  win::registerWindowClass(L"ThumblistTiming");
  // A frame of the window layer, so the list's notifications reach it as they reach the gallery.
  struct Frame : win::Window {
    thumbs::CDWGListView* list = nullptr;
    bool OnNotify(const NMHDR& header, LRESULT& result) override { return list && list->OnParentNotify(header, result); }
  } frame;
  thumbs::CDWGListView list;
  frame.list = &list;
  HFONT font = HFONT(GetStockObject(DEFAULT_GUI_FONT));
  if (!frame.create(L"ThumblistTiming", u"thumblist-timing", WS_POPUP | WS_VISIBLE, 0, RECT{0, 0, 400, 380}, nullptr) ||
      !list.Create(frame.handle(), RECT{0, 0, 392, 367}, 2213, font))
    return 1;
  std::vector<std::u16string> paths = dwgFilesIn(base::fromWide(arguments[1]));
  Run cold = timedLoad(list, paths);
  Run warm = timedLoad(list, paths);
  std::printf("files=%zu peak_working_set_mb=%.0f\n", paths.size(), peakWorkingSetMb());
  for (const auto& [name, run] : {std::pair{"cold", cold}, std::pair{"cached", warm}}) {
    std::printf("  %s: captions_ms=%.0f first_screen_ms=%.0f idle_ms=%.0f longest_busy_ms=%.0f\n", name, run.captions,
                run.firstScreen, run.idle, run.busy);
  }
  frame.destroy();
  return 0;
}
