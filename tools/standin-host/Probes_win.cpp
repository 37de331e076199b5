#include "Probes.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>

#include "ControlProbes.h"
#include "Output.h"
#include "PaintedText.h"
#include "base/WinText.h"

namespace standin {

namespace {

using Arguments = std::vector<std::u16string>;

uint64_t numberOf(const std::u16string& text) {
  return std::wcstoull(base::wide(text), nullptr, 0);
}

HWND windowOf(const std::u16string& text) {
  return reinterpret_cast<HWND>(static_cast<uintptr_t>(numberOf(text)));
}

void say(const std::u16string& line) { writeLine(stdout, line); }

// A top-level window's number, state and place, as find and owned tell them.
int describe(HWND window) {
  if (!window) {
    say(u"window=0");
    return 1;
  }
  RECT r{};
  GetWindowRect(window, &r);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  bool topmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  bool caption = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  say(u"window=" + number(uint32_t(reinterpret_cast<uintptr_t>(window))) + u" pid=" + number(process) +
      u" visible=" + number(IsWindowVisible(window) ? 1 : 0) + u" topmost=" + number(topmost) +
      u" caption=" + number(caption) + u" left=" + base::decimal(r.left) + u" top=" + base::decimal(r.top) +
      u" width=" + base::decimal(r.right - r.left) + u" height=" + base::decimal(r.bottom - r.top));
  return 0;
}

// find TITLE: the first top-level window with exactly this title.
int find(const Arguments& a) { return describe(FindWindowW(nullptr, base::wide(a[1]))); }

// owned WINDOW: the first visible top-level window WINDOW owns (a dialog it runs, untitled or not).
int owned(const Arguments& a) {
  struct Search {
    HWND owner;
    HWND found = nullptr;
  } search{windowOf(a[1])};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(data);
        if (GetWindow(window, GW_OWNER) != search.owner || !IsWindowVisible(window)) return TRUE;
        search.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return describe(search.found);
}

struct Census {
  const wchar_t* title;
  int all = 0;
  int visible = 0;
};

BOOL CALLBACK countOne(HWND window, LPARAM data) {
  auto& census = *reinterpret_cast<Census*>(data);
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, 256);
  if (std::wcscmp(text, census.title) != 0) return TRUE;
  ++census.all;
  if (IsWindowVisible(window)) ++census.visible;
  return TRUE;
}

// count TITLE: how many top-level windows carry exactly this title, and how many are visible.
int count(const Arguments& a) {
  Census census{base::wide(a[1])};
  EnumWindows(countOne, reinterpret_cast<LPARAM>(&census));
  say(u"all=" + number(census.all) + u" visible=" + number(census.visible));
  return 0;
}

// event NAME: whether a named event exists now.
int event(const Arguments& a) {
  HANDLE found = OpenEventW(SYNCHRONIZE, FALSE, base::wide(a[1]));
  say(found ? u"exists" : u"absent");
  if (found) CloseHandle(found);
  return 0;
}

// command WINDOW CODE [ARGUMENT]: the gallery command message 1124, sent (and answered).
int command(const Arguments& a) {
  WPARAM argument = a.size() > 3 ? WPARAM(numberOf(a[3])) : 0;
  DWORD_PTR answer = 0;
  LRESULT ok = SendMessageTimeoutW(windowOf(a[1]), WM_USER + 100, argument, LPARAM(numberOf(a[2])),
                                   SMTO_ABORTIFHUNG, 5000, &answer);
  say(ok ? u"answer=" + number(answer) : u"no-answer");
  return ok ? 0 : 1;
}

// key WINDOW VK: a key press posted as the keyboard would deliver it (down, then up).
int key(const Arguments& a) {
  HWND window = windowOf(a[1]);
  WPARAM vk = WPARAM(numberOf(a[2]));
  bool ok = PostMessageW(window, WM_KEYDOWN, vk, 1) && PostMessageW(window, WM_KEYUP, vk, 0xC0000001);
  say(ok ? u"posted" : u"failed");
  return ok ? 0 : 1;
}

// doubleclick X Y: a fast double click on the window at that screen point, all four messages
// queued before the first is handled, as a quick user's clicks arrive at a busy program.
int doubleClick(const Arguments& a) {
  POINT at{LONG(numberOf(a[1])), LONG(numberOf(a[2]))};
  HWND window = WindowFromPoint(at);
  ScreenToClient(window, &at);
  const LPARAM where = MAKELPARAM(at.x, at.y);
  bool ok = window && PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where) &&
            PostMessageW(window, WM_LBUTTONUP, 0, where) && PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, where) &&
            PostMessageW(window, WM_LBUTTONUP, 0, where);
  say(ok ? u"posted" : u"failed");
  return ok ? 0 : 1;
}

// close WINDOW: the window system's close request.
int close(const Arguments& a) {
  bool ok = PostMessageW(windowOf(a[1]), WM_CLOSE, 0, 0);
  say(ok ? u"posted" : u"failed");
  return ok ? 0 : 1;
}

// title WINDOW: the window's title now.
int title(const Arguments& a) {
  wchar_t text[1024] = L"";
  GetWindowTextW(windowOf(a[1]), text, 1024);
  say(base::fromWide(text));
  return 0;
}

// kill PID: ends a process the scenario started, by its Windows process id.
int kill(const Arguments& a) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, DWORD(numberOf(a[1])));
  if (!process) {
    say(u"absent");
    return 1;
  }
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
  say(u"killed");
  return 0;
}

// clipboard: the files the clipboard holds as a file drop, and its FileNameW text.
int clipboard(const Arguments&) {
  if (!OpenClipboard(nullptr)) {
    say(u"no-clipboard");
    return 1;
  }
  std::u16string line = u"files=";
  auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
  UINT files = drop ? DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) : 0;
  line += number(files);
  for (UINT i = 0; i < files; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    UINT got = DragQueryFileW(drop, i, path.data(), UINT(path.size()));
    line += u" path=" + base::fromWide(path.data(), got);
  }
  HANDLE name = GetClipboardData(RegisterClipboardFormatW(L"FileNameW"));
  if (auto text = static_cast<const wchar_t*>(name ? GlobalLock(name) : nullptr)) {
    line += u" name=" + base::fromWide(text);
    GlobalUnlock(name);
  }
  CloseClipboard();
  say(line);
  return 0;
}

// popup: the gallery's larger preview, whether it shows and where.
int popup(const Arguments&) {
  HWND window = FindWindowW(L"BlockeryPreviewPopup", nullptr);
  RECT r{};
  if (window) GetWindowRect(window, &r);
  say(u"visible=" + number(window && IsWindowVisible(window) ? 1 : 0) + u" left=" + base::decimal(r.left) +
      u" top=" + base::decimal(r.top) + u" width=" + base::decimal(r.right - r.left) +
      u" height=" + base::decimal(r.bottom - r.top));
  return 0;
}

// answering WINDOW MILLISECONDS: for that long, asks the window for an empty answer again and
// again, as the window system does to tell a frozen window. "slowest=0" comes as the asking starts,
// then a line each time an answer took longer than any before, so the last line is the slowest so
// far even when the scenario ends the probe early; "no-answer" when one took longer than 10 s.
int answering(const Arguments& a) {
  HWND window = windowOf(a[1]);
  const ULONGLONG end = GetTickCount64() + numberOf(a[2]);
  say(u"slowest=0");
  ULONGLONG slowest = 0;
  while (GetTickCount64() < end) {
    const ULONGLONG asked = GetTickCount64();
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer)) return say(u"no-answer"), 1;
    if (GetTickCount64() - asked > slowest) {
      slowest = GetTickCount64() - asked;
      say(u"slowest=" + number(slowest));
    }
    Sleep(10);
  }
  return 0;
}

struct Probe {
  const char16_t* name;
  size_t arguments;
  int (*run)(const Arguments&);
};

const Probe kProbes[] = {
    {u"find", 1, find},   {u"owned", 1, owned},   {u"count", 1, count}, {u"event", 1, event}, {u"command", 2, command},
    {u"key", 2, key},     {u"close", 1, close}, {u"title", 1, title}, {u"kill", 1, kill},
    {u"clipboard", 0, clipboard}, {u"popup", 0, popup}, {u"doubleclick", 2, doubleClick},
    {u"answering", 2, answering}, {u"painted", 6, paintedText},
};

}  // namespace

int runProbe(const Arguments& arguments) {
  if (int code = runControlProbe(arguments); code >= 0) return code;
  for (const Probe& probe : kProbes) {
    if (arguments.empty() || arguments[0] != probe.name) continue;
    if (arguments.size() < probe.arguments + 1) break;
    return probe.run(arguments);
  }
  say(u"usage: standin-host host LOG [TITLE [PROGRAM TOKENS]] | find TITLE | count TITLE | event NAME |"
      u" command WINDOW CODE [ARG] | children WINDOW |"
      u" dpichanged WINDOW DPI LEFT TOP WIDTH HEIGHT | key WINDOW VK | close WINDOW | title WINDOW | kill PID | clipboard | popup"
      u" | doubleclick X Y | answering WINDOW MILLISECONDS"
      u" | painted WINDOW LEFT TOP RIGHT BOTTOM TEXT | owned WINDOW");
  return 2;
}

}  // namespace standin
