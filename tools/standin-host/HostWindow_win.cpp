#include "HostWindow_win.h"

#include "base/Text.h"
#include "base/WinText.h"
#include "Output.h"
#include "win/Gdi.h"

namespace standin {

namespace {

constexpr UINT kArxHandOff = WM_USER + 8;        // 1032
constexpr UINT kDraftwellHandOff = WM_USER + 104;  // 1128
constexpr UINT kGalleryCommand = WM_USER + 100;  // 1124, when standing in for a running gallery
const wchar_t kClassName[] = L"BlockeryStandinHost";

}  // namespace

bool HostWindow::open(const std::u16string& title) {
  win::registerWindowClass(kClassName, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  RECT place{40, 40, 440, 200};
  if (!create(kClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, place, nullptr)) return false;
  HRESULT registered = RegisterDragDrop(handle(), &dropTarget_);
  if (FAILED(registered)) writeLine(log_, u"drop-target-failed " + number(uint32_t(registered)));
  writeLine(log_, u"window " + number(uint32_t(reinterpret_cast<uintptr_t>(handle()))));
  return true;
}

bool HostWindow::startProgram(const std::u16string& program, std::u16string tokens) {
  program_ = program;
  tokens_ = tokens;
  base::replaceAll(tokens, u"%w", number(uint32_t(reinterpret_cast<uintptr_t>(handle()))));
  std::u16string line = u"\"" + program + u"\" " + tokens;
  std::wstring editable(reinterpret_cast<const wchar_t*>(line.c_str()));
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, editable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    writeLine(log_, u"start-failed " + number(GetLastError()));
    return false;
  }
  CloseHandle(started.hThread);
  if (childRunning()) {
    CloseHandle(started.hProcess);  // a second start hands its request to the first and ends
  } else {
    child_ = win::KernelHandle(started.hProcess);
  }
  writeLine(log_, u"started " + number(started.dwProcessId));
  return true;
}

bool HostWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == kGalleryCommand) {
    writeLine(log_, u"command code=" + base::decimal(int64_t(lParam)) + u" argument=" + number(uint64_t(wParam)));
    result = 0;
    return true;
  }
  if (message != kArxHandOff && message != kDraftwellHandOff) return false;
  writeLine(log_, u"message " + number(message) + u" wParam=" + number(uint64_t(wParam)) +
                      u" lParam=" + base::decimal(int64_t(lParam)) + u" title=" + text());
  result = 0;
  return true;
}

bool HostWindow::OnPaint() {
  win::PaintDC dc(handle());
  RECT box = clientRect();
  InflateRect(&box, -12, -12);
  const wchar_t* hint = program_.empty() ? L"" : L"Double-click here to open the gallery; a block double-clicked there "
                                                  L"arrives in this window's title.";
  DrawTextW(dc, hint, -1, &box, DT_WORDBREAK);
  return true;
}

bool HostWindow::OnLButtonDoubleClick(UINT, POINT) {
  if (!program_.empty()) startProgram(program_, tokens_);
  return true;
}

bool HostWindow::childRunning() const {
  DWORD code = 0;
  return child_ && GetExitCodeProcess(child_.get(), &code) && code == STILL_ACTIVE;
}

bool HostWindow::OnClose() {
  endChild();
  destroy();
  return true;
}

void HostWindow::OnDestroy() {
  RevokeDragDrop(handle());
  PostQuitMessage(0);
}

void HostWindow::dropped(const std::u16string& path) {
  setText(path);
  writeLine(log_, u"drop title=" + text());
}

void HostWindow::endChild() {
  if (!child_) return;
  DWORD code = 0;
  if (GetExitCodeProcess(child_.get(), &code) && code == STILL_ACTIVE) {
    TerminateProcess(child_.get(), 1);
    WaitForSingleObject(child_.get(), 5000);
    writeLine(log_, u"child-terminated");
  } else {
    writeLine(log_, u"child-exited " + number(code));
  }
  child_.close();
}

}  // namespace standin
