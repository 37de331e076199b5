#include "base/OutputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "base/Text.h"

namespace base {

bool OutputFile::create(const std::u16string& path) {
  close();
  int fd = ::open(toUtf8(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  handle_ = fd;
  return true;
}

bool OutputFile::write(const void* bytes, size_t count) {
  if (!isOpen()) return false;
  const char* next = static_cast<const char*>(bytes);
  while (count > 0) {
    ssize_t n = ::write(int(handle_), next, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    next += n;
    count -= size_t(n);
  }
  return true;
}

void OutputFile::close() {
  if (!isOpen()) return;
  ::close(int(handle_));
  handle_ = kNone;
}

}  // namespace base
