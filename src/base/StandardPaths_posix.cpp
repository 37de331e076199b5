#include <unistd.h>

#include <cstdlib>
#include <string>

#include "base/StandardPaths.h"
#include "base/Text.h"

namespace base {

std::u16string documentsFolder() {
  if (const char* dir = std::getenv("BLOCKERY_DOCUMENTS")) return fromUtf8(dir);
  const char* home = std::getenv("HOME");
  return fromUtf8(std::string(home ? home : "") + "/Documents");
}

std::u16string modulePath() {
  char buffer[4096];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? fromUtf8(std::string_view(buffer, size_t(n))) : std::u16string();
}

}  // namespace base
