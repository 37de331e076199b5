#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "base/ReadStream.h"
#include "base/WinText.h"

namespace base {

namespace {
FILE* stream(void* file) { return static_cast<FILE*>(file); }
}  // namespace

// Opened with every sharing mode, as _wfopen does not: a reader must never make another
// program's replace or delete of the file fail (the shared lists are replaced while others read).
ReadStream::ReadStream(const std::u16string& path) {
  HANDLE file = CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    fail();
    return;
  }
  int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
  if (descriptor == -1) {
    fail();
    CloseHandle(file);
    return;
  }
  file_ = _fdopen(descriptor, "rb");
  if (!file_) {
    fail();
    _close(descriptor);  // closes the handle too
  }
}

void ReadStream::fail() {
  errorNumber_ = GetLastError();
  wchar_t message[101] = {};
  DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, errorNumber_, 0,
                           message, 100, nullptr);
  std::u16string text = fromWide(message, n);
  size_t lineEnd = text.find_first_of(u"\r\n");
  errorMessage_ = text.substr(0, lineEnd);
}

std::optional<uint64_t> ReadStream::size() {
  if (!file_) return std::nullopt;
  if (_fseeki64(stream(file_), 0, SEEK_END) != 0) return fail(), std::nullopt;
  __int64 end = _ftelli64(stream(file_));
  if (end < 0 || _fseeki64(stream(file_), 0, SEEK_SET) != 0) return fail(), std::nullopt;
  return uint64_t(end);
}

bool ReadStream::seek(uint64_t offset) {
  if (!file_) return false;
  if (_fseeki64(stream(file_), static_cast<__int64>(offset), SEEK_SET) == 0) return true;
  fail();
  return false;
}

}  // namespace base
