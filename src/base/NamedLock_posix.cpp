#include "base/NamedLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "base/TickClock.h"
#include "base/FailureLog.h"
#include "base/Text.h"

namespace base {

namespace {

std::string lockFileFor(std::u16string_view name) {
  const char* folder = std::getenv("TMPDIR");
  return std::string(folder && *folder ? folder : "/tmp") + "/" + toUtf8(name) + ".lock";
}

}  // namespace

// Each NamedLock opens the file anew, so two in one process exclude each other as two programs do.
NamedLock::NamedLock(std::u16string_view name, uint32_t waitMs) {
  const std::string path = lockFileFor(name);
  handle_ = KernelHandle(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (!handle_) {
    logFailure(u"open the lock file " + fromUtf8(path), uint32_t(errno));
    return;
  }
  const int fd = handle_.get();
  const uint32_t start = tickCount();
  while (!(held_ = ::flock(fd, LOCK_EX | LOCK_NB) == 0)) {
    if (errno != EWOULDBLOCK && errno != EINTR) break;
    if (tickCount() - start >= waitMs) break;
    sleepMs(5);
  }
  if (!held_) logFailure(u"lock " + fromUtf8(path), uint32_t(errno));
}

// The handle's closing ends the flock.
NamedLock::~NamedLock() = default;

}  // namespace base
