#include "DialogProbe_win.h"

#include <commctrl.h>

#include <vector>

#include "Report.h"
#include "base/Text.h"
#include "base/WinText.h"
#include "update/UpdateDialogIds.h"

namespace updatewin {

namespace {

std::string nameOf(HWND dialog) {
  // The specialty dialog's check boxes reuse the other dialogs' numbers, so it is told apart first.
  if (GetDlgItem(dialog, IDC_ADD_CLOSE)) return "add";
  if (GetDlgItem(dialog, IDC_UPDATE_PROGRESS)) return "update";
  if (GetDlgItem(dialog, IDC_PROMPT_CLOSE)) return "prompt";
  return {};
}

std::string textOf(HWND window) {
  wchar_t buffer[512] = {};
  int length = GetWindowTextW(window, buffer, 512);
  return base::toUtf8(base::fromWide(buffer, size_t(length > 0 ? length : 0)));
}

std::string centreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2);
}

bool ticked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

BOOL CALLBACK collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

void DialogProbe::look() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&windows));
  for (auto& [dialog, seen] : dialogs_) seen.stillThere = false;
  for (HWND window : windows) {
    if (!IsWindowVisible(window)) continue;
    std::string name = nameOf(window);
    if (name.empty()) continue;
    auto found = dialogs_.find(window);
    if (found == dialogs_.end() || found->second.name != name) {
      Seen& seen = dialogs_[window] = Seen{name};
      opened(window, seen);
    }
    Seen& seen = dialogs_[window];
    seen.stillThere = true;
    follow(window, seen);
  }
  for (auto it = dialogs_.begin(); it != dialogs_.end();) {
    if (it->second.stillThere) {
      ++it;
      continue;
    }
    report("dialog " + it->second.name + " closed");
    it = dialogs_.erase(it);
  }
}

void DialogProbe::opened(HWND dialog, Seen& seen) {
  RECT r{};
  GetWindowRect(dialog, &r);
  report("dialog " + seen.name + " open " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top));
  const std::map<std::string, std::vector<std::pair<const char*, int>>> parts = {
      {"update", {{"ok", IDOK}, {"cancel", IDCANCEL}, {"close", IDC_UPDATE_CLOSE}}},
      {"prompt", {{"ok", IDOK}, {"cancel", IDCANCEL}, {"close", IDC_PROMPT_CLOSE}}},
      {"add", {{"ok", IDOK}, {"cancel", IDCANCEL}, {"close", IDC_ADD_CLOSE}}},
  };
  for (const auto& [part, id] : parts.at(seen.name))
    report("button " + seen.name + "." + part + " " + centreOf(GetDlgItem(dialog, id)));
  if (seen.name != "add") return;
  for (int i = 0; i < IDC_ADD_CHECK_COUNT; ++i) {
    HWND box = GetDlgItem(dialog, IDC_ADD_FIRST_CHECK + i);
    seen.ticks[i] = ticked(box);
    if (!IsWindowVisible(box)) continue;
    report("check " + std::to_string(i) + " " + centreOf(box) + " " + (seen.ticks[i] ? "1" : "0") + " " +
           textOf(box) + "|");
  }
}

void DialogProbe::follow(HWND dialog, Seen& seen) {
  if (seen.name == "update") {
    std::string status = textOf(GetDlgItem(dialog, IDC_UPDATE_STATUS));
    if (status != seen.status) report("status " + (seen.status = status));
    int bar = int(SendMessageW(GetDlgItem(dialog, IDC_UPDATE_PROGRESS), PBM_GETPOS, 0, 0));
    if (bar != seen.bar) report("bar " + std::to_string(seen.bar = bar));
  }
  if (seen.name == "add") {
    for (auto& [i, on] : seen.ticks) {
      bool now = ticked(GetDlgItem(dialog, IDC_ADD_FIRST_CHECK + i));
      if (now != on) report("tick " + std::to_string(i) + " " + ((on = now) ? "1" : "0"));
    }
  }
}

}  // namespace updatewin
