#include "base/ReadStream.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/Text.h"

namespace base {

namespace {
FILE* stream(void* file) { return static_cast<FILE*>(file); }
}  // namespace

ReadStream::ReadStream(const std::u16string& path) {
  file_ = std::fopen(toUtf8(path).c_str(), "rb");
  if (!file_) fail();
}

void ReadStream::fail() {
  errorNumber_ = uint32_t(errno);
  errorMessage_ = fromUtf8(std::strerror(errno));
}

std::optional<uint64_t> ReadStream::size() {
  if (!file_) return std::nullopt;
  if (fseeko(stream(file_), 0, SEEK_END) != 0) return fail(), std::nullopt;
  off_t end = ftello(stream(file_));
  if (end < 0 || fseeko(stream(file_), 0, SEEK_SET) != 0) return fail(), std::nullopt;
  return uint64_t(end);
}

bool ReadStream::seek(uint64_t offset) {
  if (!file_) return false;
  if (fseeko(stream(file_), off_t(offset), SEEK_SET) == 0) return true;
  fail();
  return false;
}

}  // namespace base
