#include <windows.h>

#include <string>

#include "base/TraceOutput.h"

namespace base {

void writeTraceOutput(std::u16string_view line) {
  std::u16string text(line);
  OutputDebugStringW(reinterpret_cast<const wchar_t*>(text.c_str()));
}

}  // namespace base
