// The failure log: every failed system call the program goes on after, with its error code and what
// it was for, so a support person can tell why an update or a save failed. Lines go to the debugger
// output and, once a file is set, to that file (UTF-8, one time-stamped line each). The file is kept
// under 1 MB by dropping its older half; several programs may append to it at once.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace base {

inline constexpr uint64_t kFailureLogLimit = 1024 * 1024;

// Empty: lines go to the debugger output only.
void setFailureLogFile(std::u16string path);

// what says what the call was for ("save C:\…\UserBlock.xml"); code is the system's error code
// (GetLastError on Windows, errno elsewhere), 0 when there is none.
void logFailure(std::u16string_view what, uint32_t code = 0);

// The line logFailure writes for what and code at the given local time ("2026-12-09 07:30:12").
std::u16string failureLine(std::u16string_view stamp, std::u16string_view what, uint32_t code);

// The newer part of an over-long log: its last half, from the start of a whole line.
std::string_view newerHalf(std::string_view log);

}  // namespace base
