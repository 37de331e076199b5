#include "base/OutputFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "base/FailureLog.h"
#include "base/Text.h"

namespace base {

// POSIX lets anyone remove an open file, so a writer holds an exclusive lock on it, and a remover
// that cannot take that lock leaves the file alone.

bool OutputFile::createNew(const std::u16string& path) {
  close();
  KernelHandle file(::open(toUtf8(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (!file || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0) return false;
  file_ = std::move(file);
  return true;
}

bool OutputFile::write(const void* bytes, size_t count) {
  if (!isOpen()) return false;
  const char* next = static_cast<const char*>(bytes);
  while (count > 0) {
    ssize_t n = ::write(file_.get(), next, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    next += n;
    count -= size_t(n);
  }
  return true;
}

bool OutputFile::removeUnlessHeld(const std::u16string& path) {
  std::string name = toUtf8(path);
  KernelHandle file(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0) return false;
  bool removed = ::unlink(name.c_str()) == 0;
  if (!removed) logFailure(u"remove " + path, uint32_t(errno));
  return removed;
}

}  // namespace base
