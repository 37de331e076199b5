// One line on standard output, flushed at once, for the Wine scenarios that read it while the
// program runs.
#pragma once
#include <cstdio>
#include <string>

namespace updatewin {

inline void report(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

}  // namespace updatewin
