// thumblist-timing.exe FOLDER: how long the thumbnail list takes, under the real window system, to
// show every DWG file of a folder: from LoadPaths to the last tile placed, first with a cold
// preview cache (every preview read from its file) and then again for the same paths (every tile
// from the cache, no file read). Prints one line per run, in milliseconds.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "base/Path.h"
#include "base/Files.h"
#include "base/Text.h"
#include "base/WinText.h"
#include "thumbs/DWGListView_win.h"

namespace {

std::vector<std::u16string> dwgFilesIn(const std::u16string& folder) {
  std::vector<std::u16string> paths;
  for (const std::u16string& name : base::files::listFiles(folder)) {
    if (base::endsWith(name, u".dwg")) paths.push_back(base::joinPath(folder, name));
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

// Loads the paths and keeps the window system running until the loader has placed the last tile.
double timedLoad(thumbs::CDWGListView& list, const std::vector<std::u16string>& paths) {
  auto start = std::chrono::steady_clock::now();
  list.LoadPaths(paths);
  MSG message;
  while (list.loading()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 2) return 2;
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  HWND frame = CreateWindowExW(0, L"STATIC", L"thumblist-timing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 420, 420,
                               nullptr, nullptr, nullptr, nullptr);
  thumbs::CDWGListView list;
  HFONT font = HFONT(GetStockObject(DEFAULT_GUI_FONT));
  if (!frame || !list.Create(frame, RECT{0, 0, 392, 367}, 2213, font)) return 1;
  std::vector<std::u16string> paths = dwgFilesIn(base::fromWide(arguments[1]));
  double cold = timedLoad(list, paths);
  double warm = timedLoad(list, paths);
  std::printf("files=%zu cold_ms=%.0f cached_ms=%.0f\n", paths.size(), cold, warm);
  DestroyWindow(frame);
  return 0;
}
