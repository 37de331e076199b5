// A file opened for positioned reads that lets others read, write and delete it meanwhile.
// Readers that need a few parts of a large file (the preview inside a DWG) use it instead of
// reading the whole file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/KernelHandle.h"

namespace base {

class ReadOnlyFile {
public:
  explicit ReadOnlyFile(const std::u16string& path);
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool isOpen() const { return bool(file_); }
  uint64_t size() const { return size_; }
  // Reads up to count bytes at offset; returns how many arrived (fewer at the end of the file).
  size_t readAt(uint64_t offset, void* into, size_t count) const;

private:
  KernelHandle file_;
  uint64_t size_ = 0;
};

}  // namespace base
