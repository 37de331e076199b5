// A file written front to back by one owner: always a new file, never one that was there before,
// shared for reading only, closed by its destructor on every road. While its owner holds it open,
// no other writer can open it and nobody can remove it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/KernelHandle.h"

namespace base {

class OutputFile {
public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // False when a file of that name is there already (it is left as it is) or none can be made.
  bool createNew(const std::u16string& path);
  bool isOpen() const { return bool(file_); }
  // Appends all count bytes; false when the disk refused any of them.
  bool write(const void* bytes, size_t count);
  void close() { file_.close(); }

  // Removes a file that no OutputFile, in this process or another, holds open; false when one does,
  // when there is no such file, or when it cannot be removed (that is logged).
  static bool removeUnlessHeld(const std::u16string& path);

private:
  KernelHandle file_;
};

}  // namespace base
