// The Tetherling program: the argument count (program name included) picks the mode.
#pragma once
#include <string>
#include <vector>

#include "registrar/Registry.h"
#include "registrar/RegistrarHost.h"

namespace registrar {

enum class TetherlingMode { Copy, Register, Unregister };

// Exactly 4: copy. Exactly 1: register. Any other count: unregister.
TetherlingMode modeForArgumentCount(size_t count);

// Echoes the count and every argument, then copies a file, or registers or switches off the .dwg
// association and clears Explorer's per-user choices. The exit code is always 0.
int runTetherling(const std::vector<std::string>& arguments, Registry& registry, RegistrarHost& host);

}  // namespace registrar
