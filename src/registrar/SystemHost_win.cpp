#include "registrar/SystemHost.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "registrar/BoundedText.h"

namespace registrar {

std::string SystemHost::modulePath() {
  char buffer[kKeyBufferSize] = {};
  GetModuleFileNameA(nullptr, buffer, kKeyBufferSize);
  // A path that fills the buffer may come back without its NUL.
  return std::string(buffer, strnlen(buffer, kKeyBufferSize));
}

bool SystemHost::copyFile(const std::string& source, const std::string& destination) {
  return CopyFileA(source.c_str(), destination.c_str(), FALSE) != 0;
}

void SystemHost::print(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void SystemHost::readOneCharacter() {
  std::fflush(stdout);
  std::getchar();
}

}  // namespace registrar
