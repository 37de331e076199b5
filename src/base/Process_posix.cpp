#include "base/Process.h"

#include <cerrno>
#include <cstdint>
#include <csignal>
#include <unistd.h>

namespace base {

uint32_t currentProcessId() { return uint32_t(::getpid()); }

bool processRunning(uint32_t id) {
  // Signal 0 only asks; a process of another user answers EPERM and still counts as running.
  if (id == 0 || id > uint32_t(INT32_MAX)) return false;   // no process id; a negative pid_t names a group
  return ::kill(pid_t(id), 0) == 0 || errno != ESRCH;
}

}  // namespace base
