#include "base/NamedLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "base/Clock.h"
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
NamedLock::NamedLock(std::u16string_view name) {
  const std::string path = lockFileFor(name);
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    logFailure(u"open the lock file " + fromUtf8(path), uint32_t(errno));
    return;
  }
  handle_ = fd;
  const uint32_t start = tickCount();
  while (!(held_ = ::flock(fd, LOCK_EX | LOCK_NB) == 0)) {
    if (errno != EWOULDBLOCK && errno != EINTR) break;
    if (tickCount() - start >= kNamedLockWait) break;
    sleepMs(5);
  }
  if (!held_) logFailure(u"lock " + fromUtf8(path), uint32_t(errno));
}

NamedLock::~NamedLock() {
  if (handle_ >= 0) ::close(int(handle_));  // closing ends the flock
}

}  // namespace base
