#include <cstdio>
#include <cstdlib>

#include "base/Text.h"
#include "base/TraceOutput.h"

namespace base {

// Natively the debugger output is standard error, and only when asked for.
void writeTraceOutput(std::u16string_view line) {
  static const bool wanted = std::getenv("BLOCKERY_TRACE") != nullptr;
  if (wanted) std::fprintf(stderr, "%s\n", toUtf8(line).c_str());
}

}  // namespace base
