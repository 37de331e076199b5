#include "base/KernelHandle.h"

#include <windows.h>

namespace base {

bool KernelHandle::close() {
  if (!*this) return true;
  return CloseHandle(std::exchange(handle_, kNone)) != 0;
}

}  // namespace base
