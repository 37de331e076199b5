#include "base/FolderNames.h"

#include <windows.h>

#include <atomic>

#include "base/WinText.h"

namespace base {

namespace {

std::atomic<uint64_t> listings{0};

// Names are kept and looked for in upper case, as the file system compares them.
std::u16string upper(std::u16string_view name) {
  std::u16string out(name);
  if (!out.empty()) CharUpperBuffW(reinterpret_cast<wchar_t*>(out.data()), DWORD(out.size()));
  return out;
}

}  // namespace

uint64_t FolderNames::listingCount() { return listings.load(); }

FolderNames::FolderNames(const std::u16string& folder) {
  listings.fetch_add(1, std::memory_order_relaxed);
  std::u16string pattern = folder + u"\\*";
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileExW(wide(pattern), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                 FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    listed_ = GetLastError() == ERROR_FILE_NOT_FOUND;
    return;
  }
  listed_ = true;
  do {
    std::u16string name = fromWide(data.cFileName);
    if (name != u"." && name != u"..") names_.insert(upper(name));
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

bool FolderNames::contains(std::u16string_view name) const { return names_.count(upper(name)) != 0; }

}  // namespace base
