#include "base/MachineSettings.h"

#include <windows.h>

#include <cwchar>

#include "base/FailureLog.h"
#include "base/WinText.h"

namespace base {

std::u16string machineSetting(const std::u16string& key, const std::u16string& name) {
  // The value may grow between asking its size and reading it; ERROR_MORE_DATA asks again.
  std::u16string value;
  LSTATUS status = ERROR_MORE_DATA;
  for (int attempt = 0; attempt < 3 && status == ERROR_MORE_DATA; ++attempt) {
    DWORD bytes = 0;
    status = RegGetValueW(HKEY_LOCAL_MACHINE, wide(key), wide(name), RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
    if (status != ERROR_SUCCESS) break;
    value.assign(bytes / sizeof(char16_t) + 1, u'\0');
    bytes = DWORD(value.size() * sizeof(char16_t));
    status = RegGetValueW(HKEY_LOCAL_MACHINE, wide(key), wide(name), RRF_RT_REG_SZ, nullptr, value.data(), &bytes);
    if (status == ERROR_SUCCESS) value.resize(wcsnlen(reinterpret_cast<const wchar_t*>(value.data()), value.size()));
  }
  if (status == ERROR_SUCCESS) return value;
  if (status != ERROR_FILE_NOT_FOUND) logFailure(u"read HKEY_LOCAL_MACHINE\\" + key + u" " + name, uint32_t(status));
  return {};
}

}  // namespace base
