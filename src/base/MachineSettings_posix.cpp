#include "base/MachineSettings.h"

namespace base {

// No machine-wide settings store exists natively; callers fall back as when the value is absent.
std::u16string machineSetting(const std::u16string&, const std::u16string&) { return {}; }

}  // namespace base
