#include "base/Process.h"

#include <windows.h>

#include "base/KernelHandle.h"

namespace base {

uint32_t currentProcessId() { return GetCurrentProcessId(); }

bool processRunning(uint32_t id) {
  KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
  if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;   // no such id; else a process we may not see
  DWORD code = 0;
  return !GetExitCodeProcess(process.get(), &code) || code == STILL_ACTIVE;
}

}  // namespace base
