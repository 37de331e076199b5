// Small literal library files for the tests: written as UTF-8, folders made as needed.
#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"

namespace library_tests {

inline std::u16string in(const std::u16string& folder, std::u16string_view name) {
  return base::joinPath(folder, name);
}

inline void writeFile(const std::u16string& path, std::string_view utf8) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  base::files::writeWhole(path, utf8);
}

inline void writeFile(const std::u16string& path, std::u16string_view text) {
  writeFile(path, base::toUtf8(text));
}

inline std::string readBytes(const std::u16string& path) {
  std::string bytes;
  base::files::readWhole(path, bytes);
  return bytes;
}

}  // namespace library_tests
