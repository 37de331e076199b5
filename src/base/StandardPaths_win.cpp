#include <windows.h>
#include <shlobj.h>

#include "base/StandardPaths.h"
#include "base/WinText.h"

namespace base {

std::u16string documentsFolder() {
  wchar_t path[MAX_PATH] = L"";
  SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, FALSE);
  return fromWide(path);
}

std::u16string modulePath() {
  wchar_t path[MAX_PATH] = L"";
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fromWide(path, n);
}

}  // namespace base
