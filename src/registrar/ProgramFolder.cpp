#include "registrar/ProgramFolder.h"

#include "registrar/BoundedText.h"

namespace registrar {

std::string programFolder(std::string_view modulePath) {
  size_t length = 0;
  size_t lastBackslash = 0;
  while (length < modulePath.size() && length < kKeyBufferSize && modulePath[length] != '\0') {
    if (modulePath[length] == '\\') lastBackslash = length;
    ++length;
  }
  size_t kept = lastBackslash + 1 < length ? lastBackslash + 1 : length;
  return std::string(modulePath.substr(0, kept));
}

}  // namespace registrar
