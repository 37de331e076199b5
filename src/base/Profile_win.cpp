#include "base/Profile.h"

#include <windows.h>

#include <vector>

#include "base/Files.h"
#include "base/WinText.h"

namespace base::profile {

std::u16string readString(const std::u16string& file, const std::u16string& section,
                          const std::u16string& key, const std::u16string& fallback,
                          size_t bufferChars) {
  if (bufferChars == 0) return {};
  std::vector<wchar_t> buffer(bufferChars, L'\0');
  DWORD n = GetPrivateProfileStringW(wide(section), wide(key), wide(fallback), buffer.data(),
                                     DWORD(bufferChars), wide(file));
  return fromWide(buffer.data(), n);
}

bool writeString(const std::u16string& file, const std::u16string& section,
                 const std::u16string& key, const std::u16string& value) {
  // A new file would be written in the ANSI code page and lose Chinese text; a file that starts
  // with a UTF-16 byte-order mark stays UTF-16.
  if (!files::exists(file)) files::writeWhole(file, std::string_view("\xFF\xFE", 2));
  return WritePrivateProfileStringW(wide(section), wide(key), wide(value), wide(file)) != 0;
}

}  // namespace base::profile
