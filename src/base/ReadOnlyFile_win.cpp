#include "base/ReadOnlyFile.h"

#include <windows.h>

#include "base/KernelHandle.h"
#include "base/WinText.h"

namespace base {

ReadOnlyFile::ReadOnlyFile(const std::u16string& path) {
  KernelHandle file(CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER length;
  if (!file || !GetFileSizeEx(file.get(), &length)) return;
  handle_ = reinterpret_cast<intptr_t>(file.release());
  size_ = uint64_t(length.QuadPart);
  open_ = true;
}

ReadOnlyFile::~ReadOnlyFile() {
  if (open_) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

size_t ReadOnlyFile::readAt(uint64_t offset, void* into, size_t count) const {
  if (!open_) return 0;
  size_t got = 0;
  auto* out = static_cast<char*>(into);
  while (got < count) {
    OVERLAPPED at{};
    uint64_t position = offset + got;
    at.Offset = DWORD(position);
    at.OffsetHigh = DWORD(position >> 32);
    DWORD chunk = count - got > 0x40000000 ? 0x40000000 : DWORD(count - got);
    DWORD n = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), out + got, chunk, &n, &at) || n == 0) break;
    got += n;
  }
  return got;
}

}  // namespace base
