// standin-cad.exe: the CAD program the Wine scenarios put beside a stand-alone gallery.
//   standin-cad LOG CLSID [--title TITLE] [--reject N]
//       opens a window, registers its Application object (CadObjects_win.h) as the running object
//       of CLSID, to which the scenario maps a CAD program's name, and logs to LOG: "window N",
//       "registered", every member asked for, and "activated" whenever its window becomes active.
//       --reject N: the first N commands are answered "busy" (RPC_E_CALL_REJECTED).
//   standin-cad raise WINDOW: puts that window above every other one.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "../standin-host/Output.h"
#include "CadObjects_win.h"
#include "base/WinText.h"
#include "win/Window.h"

namespace {

const wchar_t kClassName[] = L"BlockeryStandinCad";

class CadWindow : public win::Window {
public:
  explicit CadWindow(std::FILE* log) : log_(log) {}

protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT&) override {
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) standin::writeLine(log_, u"activated");
    return false;
  }
  void OnDestroy() override { PostQuitMessage(0); }

private:
  std::FILE* log_;
};

int runCad(const std::vector<std::u16string>& a) {
  std::FILE* log = _wfopen(base::wide(a[0]), L"wb");
  if (!log) return 1;
  CLSID id{};
  if (FAILED(CLSIDFromString(base::wide(a[1]), &id))) return 2;
  std::u16string title = u"Stand-in CAD";
  int rejects = 0;
  for (size_t i = 2; i + 1 < a.size(); ++i) {
    if (a[i] == u"--title") title = a[++i];
    else if (a[i] == u"--reject") rejects = _wtoi(base::wide(a[++i]));
  }
  OleInitialize(nullptr);
  CadWindow window(log);
  win::registerWindowClass(kClassName, 0, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  if (!window.create(kClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, RECT{60, 60, 460, 360}, nullptr)) return 3;
  standin::writeLine(log, u"window " + standin::number(uint32_t(reinterpret_cast<uintptr_t>(window.handle()))));
  standin::CadState state{log, window.handle(), rejects};
  IDispatch* application = standin::makeApplication(state);
  DWORD registration = 0;
  HRESULT registered = RegisterActiveObject(application, id, ACTIVEOBJECT_STRONG, &registration);
  standin::writeLine(log, SUCCEEDED(registered) ? std::u16string(u"registered")
                                                : u"register-failed " + standin::number(uint32_t(registered)));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (SUCCEEDED(registered)) RevokeActiveObject(registration, nullptr);
  application->Release();
  OleUninitialize();
  std::fclose(log);
  return 0;
}

int raise(const std::u16string& number) {
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(base::wide(number), nullptr, 0)));
  if (!IsWindow(window)) return 1;
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::u16string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(base::fromWide(argv[i]));
  if (arguments.size() == 2 && arguments[0] == u"raise") return raise(arguments[1]);
  if (arguments.size() >= 2) return runCad(arguments);
  std::fputs("usage: standin-cad LOG CLSID [--title TITLE] [--reject N] | standin-cad raise WINDOW\n", stderr);
  return 2;
}
