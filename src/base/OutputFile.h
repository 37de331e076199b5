// A file written front to back by one owner: always created anew (an existing file is truncated),
// shared for writing with others, closed by its destructor on every road.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace base {

class OutputFile {
public:
  OutputFile() = default;
  ~OutputFile() { close(); }
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool create(const std::u16string& path);
  bool isOpen() const { return handle_ != kNone; }
  // Appends all count bytes; false when the disk refused any of them.
  bool write(const void* bytes, size_t count);
  void close();

private:
  static constexpr intptr_t kNone = -1;
  intptr_t handle_ = kNone;
};

}  // namespace base
