#include "base/ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "base/Text.h"

namespace base {

ReadOnlyFile::ReadOnlyFile(const std::u16string& path) {
  KernelHandle file(::open(toUtf8(path).c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st;
  if (!file || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  file_ = std::move(file);
  size_ = uint64_t(st.st_size);
}

size_t ReadOnlyFile::readAt(uint64_t offset, void* into, size_t count) const {
  if (!isOpen()) return 0;
  size_t got = 0;
  auto* out = static_cast<char*>(into);
  while (got < count) {
    ssize_t n = ::pread(file_.get(), out + got, count - got, off_t(offset + got));
    if (n <= 0) break;
    got += size_t(n);
  }
  return got;
}

}  // namespace base
