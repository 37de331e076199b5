#include "cad/CadClient.h"

#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "base/FailureLog.h"
#include "base/TickClock.h"
#include "base/WinText.h"
#include "cad/AutomationObject_win.h"
#include "cad/BusyMessageFilter_win.h"
#include "cad/CadPrograms.h"

namespace cad {

namespace {

struct RunningProgram {
  std::u16string programId;  // the name it was found by, for the failure log
  AutomationObject application;
  HWND window = nullptr;
};

// Waits while this thread's windows paint, tick and answer sent messages. Mouse and keys stay
// queued, so nothing starts a second insert meanwhile; a quit message is left for the real loop.
void pauseHandlingMessages(uint32_t milliseconds) {
  const uint32_t start = base::tickCount();
  for (uint32_t gone = 0; gone < milliseconds; gone = base::tickCount() - start) {
    MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds - gone, QS_SENDMESSAGE | QS_PAINT | QS_POSTMESSAGE | QS_TIMER, 0);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_SENDMESSAGE | PM_QS_PAINT | PM_QS_POSTMESSAGE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(int(message.wParam));
        return;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

// Every registered name of the four programs, plain and versioned.
std::vector<std::u16string> registeredProgramIds() {
  std::vector<std::u16string> ids;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = DWORD(std::size(name));
    LONG result = RegEnumKeyExW(HKEY_CLASSES_ROOT, i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_MORE_DATA) continue;  // longer than any of ours
    if (result != ERROR_SUCCESS) {
      if (result != ERROR_NO_MORE_ITEMS) base::logFailure(u"list the registered classes", uint32_t(result));
      return ids;
    }
    std::u16string id = base::fromWide(name, length);
    if (isCadProgramId(id)) ids.push_back(std::move(id));
  }
}

std::optional<AutomationObject> runningObject(const std::u16string& programId, std::vector<CLSID>& asked) {
  CLSID id{};
  if (FAILED(CLSIDFromProgID(base::wide(programId), &id))) return std::nullopt;
  if (std::find(asked.begin(), asked.end(), id) != asked.end()) return std::nullopt;
  asked.push_back(id);
  IUnknown* unknown = nullptr;
  HRESULT found = GetActiveObject(id, nullptr, &unknown);
  if (FAILED(found)) {
    if (found != MK_E_UNAVAILABLE) base::logFailure(u"reach the running " + programId, uint32_t(found));
    return std::nullopt;
  }
  IDispatch* application = nullptr;
  HRESULT dispatch = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&application));
  unknown->Release();
  if (FAILED(dispatch)) {
    base::logFailure(u"drive the running " + programId, uint32_t(dispatch));
    return std::nullopt;
  }
  return AutomationObject(application, pauseHandlingMessages);
}

// One entry per running program, whichever of its names found it first.
std::vector<RunningProgram> runningPrograms() {
  std::vector<RunningProgram> found;
  std::vector<CLSID> asked;
  for (const std::u16string& programId : registeredProgramIds()) {
    std::optional<AutomationObject> application = runningObject(programId, asked);
    if (!application) continue;
    bool known = std::any_of(found.begin(), found.end(), [&](const RunningProgram& program) {
      return program.application.identity() == application->identity();
    });
    if (known) continue;
    RunningProgram program{programId, std::move(*application)};
    int64_t window = 0;
    if (SUCCEEDED(program.application.getNumber(L"HWND", window))) program.window = HWND(intptr_t(window));
    found.push_back(std::move(program));
  }
  return found;
}

// How many top-level windows lie above this one.
std::optional<uint32_t> depthOf(HWND window) {
  if (!window || !IsWindow(window)) return std::nullopt;
  uint32_t depth = 0;
  for (HWND above = GetTopWindow(nullptr); above; above = GetWindow(above, GW_HWNDNEXT), ++depth) {
    if (above == window) return depth;
  }
  return std::nullopt;
}

// The gallery has the foreground (the user just chose a block), so it may hand it on.
void bringToFront(HWND window) {
  if (!window || !IsWindow(window)) return;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process) AllowSetForegroundWindow(process);
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
}

bool sendToFrontmost(const std::u16string& command) {
  BusyMessageFilter filter;
  std::vector<RunningProgram> programs = runningPrograms();
  std::vector<std::optional<uint32_t>> depths;
  for (const RunningProgram& program : programs) depths.push_back(depthOf(program.window));
  std::optional<size_t> chosen = frontmostProgram(depths);
  if (!chosen) {
    base::logFailure(u"insert a block: no AutoCAD, ZWCAD, GstarCAD or BricsCAD is running");
    return false;
  }
  const RunningProgram& program = programs[*chosen];
  AutomationObject document;
  HRESULT answer = program.application.getObject(L"ActiveDocument", document);
  if (SUCCEEDED(answer)) answer = document.call(L"SendCommand", command);
  if (FAILED(answer)) {
    base::logFailure(u"send the insert command to " + program.programId, uint32_t(answer));
    return false;
  }
  bringToFront(program.window);
  return true;
}

}  // namespace

// While a call waits, COM's own loop may pass on another double-click: that one is dropped, the
// block before it being on its way.
bool sendToRunningProgram(const std::u16string& command) {
  static bool sending = false;
  if (sending) return true;
  sending = true;
  bool sent = sendToFrontmost(command);
  sending = false;
  return sent;
}

}  // namespace cad
