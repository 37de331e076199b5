#include "app/CommandLine.h"

namespace app {

std::u16string_view argumentsOf(std::u16string_view commandLine) {
  size_t i = 0, n = commandLine.size();
  if (n > 0 && commandLine[0] == u'"') {
    // A quoted program name ends at its closing quote, whatever follows.
    i = commandLine.find(u'"', 1);
    i = i == std::u16string_view::npos ? n : i + 1;
  } else {
    while (i < n && commandLine[i] > u' ') ++i;
  }
  while (i < n && commandLine[i] <= u' ') ++i;
  return commandLine.substr(i);
}

}  // namespace app
