// One-shot probes a scenario runs against the gallery's windows and objects; each prints one line
// to standard output and returns the process exit code (0 done, 1 not found or failed, 2 misuse).
#pragma once
#include <string>
#include <vector>

namespace standin {

int runProbe(const std::vector<std::u16string>& arguments);

}  // namespace standin
