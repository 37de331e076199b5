#include "base/KernelHandle.h"

#include <unistd.h>

namespace base {

bool KernelHandle::close() {
  if (!*this) return true;
  // After an interrupted close the descriptor is gone all the same on Linux; never close it twice.
  return ::close(std::exchange(handle_, kNone)) == 0;
}

}  // namespace base
