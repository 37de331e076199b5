#include "base/SystemError.h"

#include <windows.h>

namespace base {

uint32_t lastSystemError() { return GetLastError(); }

}  // namespace base
