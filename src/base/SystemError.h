// The error code the last failed system call of this thread left: GetLastError on Windows, errno
// elsewhere. Read it right after the failure, before any other call can change it.
#pragma once
#include <cstdint>

namespace base {

uint32_t lastSystemError();

}  // namespace base
