// blockery-publish on Windows: wide arguments, and a console that shows the UTF-8 it prints.
#include <windows.h>

#include "Command.h"

int wmain(int argc, wchar_t** argv) {
  ::SetConsoleOutputCP(CP_UTF8);
  std::vector<std::u16string> args;
  for (int k = 1; k < argc; ++k) args.emplace_back(reinterpret_cast<const char16_t*>(argv[k]));
  return publish::runCommand(args);
}
