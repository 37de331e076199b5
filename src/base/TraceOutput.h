// The platform's debugger output, used by trace() when no sink is set.
#pragma once
#include <string_view>

namespace base {

void writeTraceOutput(std::u16string_view line);

}  // namespace base
