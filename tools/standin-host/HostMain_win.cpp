// standin-host.exe: the CAD host the Wine scenarios put beside the gallery.
//   host LOG [--title TITLE] [--event NAME] [--start PROGRAM TOKENS]
//       runs the host window, logging to LOG. --event holds the named event as a running gallery
//       would (so a second start forwards its request here, where it is logged); --start starts
//       the gallery with TOKENS ("%w" = the host window's number).
//   anything else: a one-shot probe (see Probes_win.cpp)
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

#include "HostWindow_win.h"
#include "Probes.h"
#include "base/WinText.h"
#include "win/KernelHandle.h"

namespace {

int runHost(const std::vector<std::u16string>& a) {
  std::FILE* log = _wfopen(base::wide(a[1]), L"wb");
  if (!log) return 1;
  std::u16string title = u"Stand-in CAD host", program, tokens;
  win::KernelHandle event;
  for (size_t i = 2; i < a.size(); ++i) {
    if (a[i] == u"--title" && i + 1 < a.size()) title = a[++i];
    else if (a[i] == u"--event" && i + 1 < a.size()) event = win::KernelHandle(CreateEventW(nullptr, FALSE, FALSE, base::wide(a[++i])));
    else if (a[i] == u"--start" && i + 2 < a.size()) program = a[++i], tokens = a[++i];
  }
  OleInitialize(nullptr);  // files dropped on the window arrive by OLE drag and drop
  standin::HostWindow host(log);
  if (!host.open(title)) return 1;
  if (!program.empty()) host.startProgram(program, tokens);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  std::fclose(log);
  OleUninitialize();
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::u16string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(base::fromWide(argv[i]));
  if (arguments.size() >= 2 && arguments[0] == u"host") return runHost(arguments);
  return standin::runProbe(arguments);
}
