// Programs by their process id, as the names of scratch files carry it.
#pragma once
#include <cstdint>

namespace base {

uint32_t currentProcessId();
// True while a program with this id runs (or when that cannot be told: then nothing of its is touched).
bool processRunning(uint32_t id);

}  // namespace base
