#include "ControlProbes.h"

#include <windows.h>
#include <commctrl.h>

#include <cwchar>

#include "Output.h"
#include "base/WinText.h"

namespace standin {

namespace {

using Arguments = std::vector<std::u16string>;
constexpr int kTreeId = 1005;
constexpr int kListId = 2213;
constexpr size_t kTextChars = 512;

void say(const std::u16string& line) { writeLine(stdout, line); }

HWND windowOf(const std::u16string& text) {
  return reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(base::wide(text), nullptr, 0)));
}

// A block of memory inside the process that owns a window.
class RemoteBuffer {
public:
  RemoteBuffer(HWND window, size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) at_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  bool ok() const { return at_ != nullptr; }
  char* at() const { return static_cast<char*>(at_); }
  void write(size_t offset, const void* data, size_t size) const {
    WriteProcessMemory(process_, at() + offset, data, size, nullptr);
  }
  void read(size_t offset, void* data, size_t size) const {
    ReadProcessMemory(process_, at() + offset, data, size, nullptr);
  }

private:
  HANDLE process_ = nullptr;
  void* at_ = nullptr;
  size_t size_;
};

std::u16string treeText(HWND tree, HTREEITEM item, UINT* state = nullptr) {
  RemoteBuffer remote(tree, sizeof(TVITEMW) + kTextChars * sizeof(wchar_t));
  if (!remote.ok()) return u"";
  TVITEMW entry{};
  entry.mask = TVIF_TEXT | TVIF_STATE;
  entry.hItem = item;
  entry.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
  entry.pszText = reinterpret_cast<wchar_t*>(remote.at() + sizeof(TVITEMW));
  entry.cchTextMax = kTextChars;
  remote.write(0, &entry, sizeof(entry));
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.at()));
  wchar_t text[kTextChars] = L"";
  remote.read(sizeof(TVITEMW), text, sizeof(text));
  remote.read(0, &entry, sizeof(entry));
  text[kTextChars - 1] = 0;
  if (state) *state = entry.state;
  return base::fromWide(text);
}

HTREEITEM next(HWND tree, HTREEITEM item, UINT how) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

// Depth-first from the first top-level item: the first item with this text.
HTREEITEM findTreeItem(HWND tree, HTREEITEM item, const std::u16string& text) {
  for (; item; item = next(tree, item, TVGN_NEXT)) {
    if (treeText(tree, item) == text) return item;
    if (HTREEITEM found = findTreeItem(tree, next(tree, item, TVGN_CHILD), text)) return found;
  }
  return nullptr;
}

std::u16string screenCentre(HWND control, RECT box) {
  POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  ClientToScreen(control, &centre);
  return u"x=" + base::decimal(centre.x) + u" y=" + base::decimal(centre.y);
}

// tree GALLERY: the caret item's text, whether it is expanded, and how many items there are.
int tree(const Arguments& a) {
  HWND control = GetDlgItem(windowOf(a[1]), kTreeId);
  if (!control) return say(u"tree=0"), 1;
  HTREEITEM caret = next(control, nullptr, TVGN_CARET);
  UINT state = 0;
  std::u16string text = caret ? treeText(control, caret, &state) : u"";
  say(u"caret=" + text + u" expanded=" + number((state & TVIS_EXPANDED) ? 1 : 0) +
      u" items=" + number(SendMessageW(control, TVM_GETCOUNT, 0, 0)));
  return 0;
}

// treeitem GALLERY TEXT: the screen centre of that item's label.
int treeItem(const Arguments& a) {
  HWND control = GetDlgItem(windowOf(a[1]), kTreeId);
  HTREEITEM item = control ? findTreeItem(control, next(control, nullptr, TVGN_ROOT), a[2]) : nullptr;
  RemoteBuffer remote(control, sizeof(RECT));
  if (!item || !remote.ok()) return say(u"item=0"), 1;
  remote.write(0, &item, sizeof(item));  // TVM_GETITEMRECT takes the item in the rectangle
  if (!SendMessageW(control, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote.at()))) return say(u"hidden"), 1;
  RECT box{};
  remote.read(0, &box, sizeof(box));
  say(screenCentre(control, box));
  return 0;
}

// list GALLERY: how many thumbnails the list holds.
int list(const Arguments& a) {
  HWND control = GetDlgItem(windowOf(a[1]), kListId);
  if (!control) return say(u"list=0"), 1;
  say(u"count=" + number(SendMessageW(control, LVM_GETITEMCOUNT, 0, 0)));
  return 0;
}

// listitem GALLERY INDEX: the screen centre of the item's thumbnail and its caption.
int listItem(const Arguments& a) {
  HWND control = GetDlgItem(windowOf(a[1]), kListId);
  int index = int(std::wcstol(base::wide(a[2]), nullptr, 10));
  RemoteBuffer remote(control, sizeof(RECT) + sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
  if (!control || !remote.ok()) return say(u"item=0"), 1;
  RECT box{LVIR_ICON, 0, 0, 0};
  remote.write(0, &box, sizeof(box));
  if (!SendMessageW(control, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote.at()))) return say(u"item=0"), 1;
  remote.read(0, &box, sizeof(box));
  LVITEMW entry{};
  entry.iSubItem = 0;
  entry.pszText = reinterpret_cast<wchar_t*>(remote.at() + sizeof(RECT) + sizeof(LVITEMW));
  entry.cchTextMax = kTextChars;
  remote.write(sizeof(RECT), &entry, sizeof(entry));
  SendMessageW(control, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(remote.at() + sizeof(RECT)));
  wchar_t text[kTextChars] = L"";
  remote.read(sizeof(RECT) + sizeof(LVITEMW), text, sizeof(text));
  text[kTextChars - 1] = 0;
  say(screenCentre(control, box) + u" text=" + base::fromWide(text));
  return 0;
}

// control GALLERY ID: the screen centre of a child control, whether it is shown, and its text.
int control(const Arguments& a) {
  HWND child = GetDlgItem(windowOf(a[1]), int(std::wcstol(base::wide(a[2]), nullptr, 10)));
  if (!child) return say(u"control=0"), 1;
  RECT box{};
  GetWindowRect(child, &box);
  wchar_t text[kTextChars] = L"";
  GetWindowTextW(child, text, int(kTextChars));
  say(u"x=" + base::decimal((box.left + box.right) / 2) + u" y=" + base::decimal((box.top + box.bottom) / 2) +
      u" visible=" + number(IsWindowVisible(child) ? 1 : 0) + u" text=" + base::fromWide(text));
  return 0;
}

// children WINDOW: every visible child control, one line each: its number and its rectangle in the
// window's client coordinates (left, top, right, bottom).
int children(const Arguments& a) {
  HWND window = windowOf(a[1]);
  if (!IsWindow(window)) return say(u"window=0"), 1;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT box{};
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
    say(u"id=" + base::decimal(GetDlgCtrlID(child)) + u" box=" + base::decimal(box.left) + u"," +
        base::decimal(box.top) + u"," + base::decimal(box.right) + u"," + base::decimal(box.bottom));
  }
  return 0;
}

// dpichanged WINDOW DPI LEFT TOP WIDTH HEIGHT: the message Windows sends a window moved to a
// monitor of another setting, with its suggested rectangle (in the window's own process).
int dpiChanged(const Arguments& a) {
  HWND window = windowOf(a[1]);
  auto value = [&](size_t k) { return LONG(std::wcstol(base::wide(a[k]), nullptr, 10)); };
  const WORD dpi = WORD(value(2));
  const RECT suggested{value(3), value(4), value(3) + value(5), value(4) + value(6)};
  RemoteBuffer remote(window, sizeof(RECT));
  if (!remote.ok()) return say(u"failed"), 1;
  remote.write(0, &suggested, sizeof(suggested));
  DWORD_PTR answer = 0;
  const bool ok = SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote.at()),
                                      SMTO_ABORTIFHUNG, 5000, &answer) != 0;
  say(ok ? u"sent" : u"failed");
  return ok ? 0 : 1;
}

struct ControlProbe {
  const char16_t* name;
  size_t arguments;
  int (*run)(const Arguments&);
};

const ControlProbe kControlProbes[] = {
    {u"tree", 1, tree}, {u"treeitem", 2, treeItem}, {u"list", 1, list}, {u"listitem", 2, listItem},
    {u"control", 2, control}, {u"children", 1, children}, {u"dpichanged", 6, dpiChanged}};

}  // namespace

int runControlProbe(const Arguments& arguments) {
  for (const ControlProbe& probe : kControlProbes) {
    if (!arguments.empty() && arguments[0] == probe.name && arguments.size() > probe.arguments)
      return probe.run(arguments);
  }
  return -1;
}

}  // namespace standin
