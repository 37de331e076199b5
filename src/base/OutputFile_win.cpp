#include "base/OutputFile.h"

#include <windows.h>

#include "base/WinText.h"

namespace base {

bool OutputFile::create(const std::u16string& path) {
  close();
  // Readers may look, but a second writer of the same file fails here instead of truncating it
  // under the first.
  HANDLE h = CreateFileW(wide(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  handle_ = reinterpret_cast<intptr_t>(h);
  return true;
}

bool OutputFile::write(const void* bytes, size_t count) {
  if (!isOpen()) return false;
  const char* next = static_cast<const char*>(bytes);
  while (count > 0) {
    DWORD piece = count > 0x40000000u ? 0x40000000u : DWORD(count);
    DWORD written = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(handle_), next, piece, &written, nullptr) || written == 0)
      return false;
    next += written;
    count -= written;
  }
  return true;
}

void OutputFile::close() {
  if (!isOpen()) return;
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = kNone;
}

}  // namespace base
