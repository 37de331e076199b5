#include "base/SystemError.h"

#include <cerrno>

namespace base {

uint32_t lastSystemError() { return uint32_t(errno); }

}  // namespace base
