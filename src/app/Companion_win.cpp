#include "app/Companion.h"

#include <windows.h>

#include "base/Path.h"
#include "base/WinText.h"

namespace app {

bool companionOpensCad(const std::u16string& programFolder) {
  std::u16string path = base::joinPath(programFolder, u"Kestrun.dll");
  HMODULE library = LoadLibraryW(base::wide(path));
  if (!library) return false;
  // The export returns a one-byte boolean; any non-zero byte is true.
  using OpenCad = unsigned char (*)();
  auto openCad = reinterpret_cast<OpenCad>(reinterpret_cast<void*>(GetProcAddress(library, "openCAD")));
  bool opened = openCad && openCad() != 0;
  FreeLibrary(library);
  return opened;
}

}  // namespace app
