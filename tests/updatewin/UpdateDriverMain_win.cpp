// update_driver.exe: the stand-in gallery window for the Wine scenarios of the library update.
//   update_driver.exe --data-root FOLDER
// The program folder (this program's own) holds GallerySkin, the default InkCasket.xml and
// Blockery.ini with the update server's address. Everything the gallery and its dialogs do is
// reported on standard output (see DialogProbe_win.h and StandInGallery_win.h), and every line the
// gallery writes to the debugger output as "trace TEXT".
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "Report.h"
#include "StandInGallery_win.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "base/WinText.h"
#include "library/PathsAndSettings.h"
#include "skin/UiFont.h"

namespace {

std::u16string argumentAfter(const std::u16string& name) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::u16string value;
  for (int i = 0; i + 1 < count; ++i)
    if (base::fromWide(arguments[i]) == name) value = base::fromWide(arguments[i + 1]);
  LocalFree(arguments);
  return value;
}

void reportTraces() {
  base::setTraceSink([](std::u16string_view line) {
    std::u16string text(line);
    base::replaceAll(text, u"\n", u" ");
    text = base::trimmed(text);
    if (!text.empty()) updatewin::report("trace " + base::toUtf8(text));
  });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  library::LibraryPlace place;
  place.dataRoot = argumentAfter(u"--data-root");
  if (place.dataRoot.empty()) return 2;
  place.programFolder = library::programFolder();
  place.libraryBaseUrl = library::libraryBaseUrl(place.programFolder);
  CreateDirectoryW(base::wide(place.dataRoot), nullptr);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  skin::uiFont();
  reportTraces();
  updatewin::StandInGallery gallery(place);
  if (!gallery.open()) return 3;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
