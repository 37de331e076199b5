#include "base/ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Text.h"

namespace base {

ReadOnlyFile::ReadOnlyFile(const std::u16string& path) {
  int fd = ::open(toUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return;
  }
  handle_ = fd;
  size_ = uint64_t(st.st_size);
  open_ = true;
}

ReadOnlyFile::~ReadOnlyFile() {
  if (open_) ::close(int(handle_));
}

size_t ReadOnlyFile::readAt(uint64_t offset, void* into, size_t count) const {
  if (!open_) return 0;
  size_t got = 0;
  auto* out = static_cast<char*>(into);
  while (got < count) {
    ssize_t n = ::pread(int(handle_), out + got, count - got, off_t(offset + got));
    if (n <= 0) break;
    got += size_t(n);
  }
  return got;
}

}  // namespace base
