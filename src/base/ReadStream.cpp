#include "base/ReadStream.h"

#include <cstdio>

// Reading and closing are the runtime's own on every system; opening, seeking and the error text
// are not, and live beside this file.
namespace base {

namespace {
FILE* stream(void* file) { return static_cast<FILE*>(file); }
}  // namespace

ReadStream::~ReadStream() {
  if (file_) std::fclose(stream(file_));
}

bool ReadStream::read(void* buffer, size_t bytes, size_t& got) {
  got = file_ ? std::fread(buffer, 1, bytes, stream(file_)) : 0;
  if (got == bytes || (file_ && !std::ferror(stream(file_)))) return got == bytes || std::feof(stream(file_));
  fail();
  return false;
}

bool ReadStream::close() {
  if (!file_) return false;
  int result = std::fclose(stream(file_));
  file_ = nullptr;
  if (result == 0) return true;
  fail();
  return false;
}

}  // namespace base
