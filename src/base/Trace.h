// Lines for the debugger output (OutputDebugStringW on Windows). Tests can catch them.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace base {

void trace(std::u16string_view line);

// While a sink is set, lines go to it instead of the platform output. Pass nullptr to restore.
using TraceSink = std::function<void(std::u16string_view)>;
void setTraceSink(TraceSink sink);

}  // namespace base
