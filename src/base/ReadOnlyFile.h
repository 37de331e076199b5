// A file opened for positioned reads that lets others read, write and delete it meanwhile.
// Readers that need a few parts of a large file (the preview inside a DWG) use it instead of
// reading the whole file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace base {

class ReadOnlyFile {
public:
  explicit ReadOnlyFile(const std::u16string& path);
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool isOpen() const { return open_; }
  uint64_t size() const { return size_; }
  // Reads up to count bytes at offset; returns how many arrived (fewer at the end of the file).
  size_t readAt(uint64_t offset, void* into, size_t count) const;

private:
  intptr_t handle_ = -1;
  bool open_ = false;
  uint64_t size_ = 0;
};

}  // namespace base
