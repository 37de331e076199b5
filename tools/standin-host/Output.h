// Lines the stand-in writes: UTF-8, each ended by a line feed, flushed at once so a test polling
// the file sees every line as soon as it happened.
#pragma once
#include <cstdio>
#include <string>

#include "base/Text.h"

namespace standin {

inline void writeLine(std::FILE* to, const std::u16string& line) {
  std::string bytes = base::toUtf8(line);
  bytes += '\n';
  std::fwrite(bytes.data(), 1, bytes.size(), to);
  std::fflush(to);
}

inline std::u16string number(uint64_t value) { return base::decimal(int64_t(value)); }

}  // namespace standin
