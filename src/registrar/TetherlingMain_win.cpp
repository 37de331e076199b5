// Tetherling.exe: registers the .dwg file type for the landscape program beside it, switches that
// off again, or copies a file. Windowed, so it never opens a console of its own.
#include <cstdio>
#include <string>
#include <vector>

#include "registrar/SystemHost.h"
#include "registrar/SystemRegistry.h"
#include "registrar/Tetherling.h"

int main(int argc, char* argv[]) {
  std::vector<std::string> arguments(argv, argv + argc);
  registrar::SystemRegistry registry;
  registrar::SystemHost host;
  int code = registrar::runTetherling(arguments, registry, host);
  std::fflush(stdout);
  return code;
}
