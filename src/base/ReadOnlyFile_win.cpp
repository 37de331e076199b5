#include "base/ReadOnlyFile.h"

#include <windows.h>

#include <utility>

#include "base/WinText.h"

namespace base {

ReadOnlyFile::ReadOnlyFile(const std::u16string& path) {
  KernelHandle file(CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER length;
  if (!file || !GetFileSizeEx(file.get(), &length)) return;
  file_ = std::move(file);
  size_ = uint64_t(length.QuadPart);
}

size_t ReadOnlyFile::readAt(uint64_t offset, void* into, size_t count) const {
  if (!isOpen()) return 0;
  size_t got = 0;
  auto* out = static_cast<char*>(into);
  while (got < count) {
    OVERLAPPED at{};
    uint64_t position = offset + got;
    at.Offset = DWORD(position);
    at.OffsetHigh = DWORD(position >> 32);
    DWORD chunk = count - got > 0x40000000 ? 0x40000000 : DWORD(count - got);
    DWORD n = 0;
    if (!ReadFile(file_.get(), out + got, chunk, &n, &at) || n == 0) break;
    got += n;
  }
  return got;
}

}  // namespace base
