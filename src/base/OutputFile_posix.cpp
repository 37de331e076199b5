#include "base/OutputFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "base/FailureLog.h"
#include "base/Text.h"

namespace base {

// POSIX lets anyone remove an open file, so a writer holds an exclusive lock on it, and a remover
// that cannot take that lock leaves the file alone.

bool OutputFile::createNew(const std::u16string& path) {
  close();
  int fd = ::open(toUtf8(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
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

bool OutputFile::removeUnlessHeld(const std::u16string& path) {
  std::string name = toUtf8(path);
  int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool removed = false;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    removed = ::unlink(name.c_str()) == 0;
    if (!removed) logFailure(u"remove " + path, uint32_t(errno));
  }
  ::close(fd);
  return removed;
}

}  // namespace base
