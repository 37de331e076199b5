#include "base/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "base/KernelHandle.h"
#include "base/Text.h"

namespace base::files {

namespace {

std::atomic<uint64_t> queries{0};

std::string native(const std::u16string& path) { return toUtf8(path); }

bool statOf(const std::u16string& path, struct stat& st) {
  queries.fetch_add(1, std::memory_order_relaxed);
  return ::stat(native(path).c_str(), &st) == 0;
}

}  // namespace

uint64_t queryCount() { return queries.load(); }

bool exists(const std::u16string& path) {
  struct stat st;
  return statOf(path, st);
}

bool isDirectory(const std::u16string& path) {
  struct stat st;
  return statOf(path, st) && S_ISDIR(st.st_mode);
}

std::optional<uint64_t> lastWriteTime(const std::u16string& path) {
  struct stat st;
  if (!statOf(path, st)) return std::nullopt;
  return uint64_t(st.st_mtim.tv_sec) * 1000000000ull + uint64_t(st.st_mtim.tv_nsec);
}

std::optional<uint64_t> size(const std::u16string& path) {
  struct stat st;
  if (!statOf(path, st) || !S_ISREG(st.st_mode)) return std::nullopt;
  return uint64_t(st.st_size);
}

bool readWhole(const std::u16string& path, std::string& bytes) {
  bytes.clear();
  KernelHandle file(::open(native(path).c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st;
  if (!file || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  bytes.resize(size_t(st.st_size));
  size_t got = 0;
  while (got < bytes.size()) {
    ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
    if (n <= 0) break;
    got += size_t(n);
  }
  bytes.resize(got);
  return true;
}

bool writeWhole(const std::u16string& path, std::string_view bytes) {
  KernelHandle file(::open(native(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (!file) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(file.get(), bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += size_t(n);
  }
  bool ok = file.close() && done == bytes.size();
  return ok;
}

bool append(const std::u16string& path, std::string_view bytes) {
  KernelHandle file(::open(native(path).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
  if (!file) return false;
  ssize_t n = ::write(file.get(), bytes.data(), bytes.size());
  return n == ssize_t(bytes.size());
}

bool copy(const std::u16string& from, const std::u16string& to, bool overwrite) {
  if (!overwrite && exists(to)) return false;
  std::string bytes;
  if (!readWhole(from, bytes)) return false;
  std::u16string scratch = to + u".copying";
  if (!writeWhole(scratch, bytes)) {
    remove(scratch);
    return false;
  }
  if (!replaceAtomically(scratch, to)) {
    remove(scratch);
    return false;
  }
  return true;
}

bool createNew(const std::u16string& path) {
  KernelHandle file(::open(native(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  return file && file.close();
}

bool replaceAtomically(const std::u16string& source, const std::u16string& target) {
  KernelHandle file(::open(native(source).c_str(), O_RDONLY | O_CLOEXEC));
  if (!file) return false;
  bool onDisk = ::fsync(file.get()) == 0;
  file.close();
  return onDisk && ::rename(native(source).c_str(), native(target).c_str()) == 0;
}

bool remove(const std::u16string& path) { return ::unlink(native(path).c_str()) == 0; }

bool createDirectory(const std::u16string& path) { return ::mkdir(native(path).c_str(), 0755) == 0; }

std::optional<std::vector<FolderEntry>> listFolder(const std::u16string& folder) {
  DIR* dir = ::opendir(native(folder).c_str());
  if (!dir) return std::nullopt;
  std::vector<FolderEntry> entries;
  while (dirent* e = ::readdir(dir)) {
    std::string_view name(e->d_name);
    if (name == "." || name == "..") continue;
    FolderEntry& entry = entries.emplace_back();
    entry.name = fromUtf8(name);
    struct stat st;
    if (::fstatat(::dirfd(dir), e->d_name, &st, 0) != 0) continue;   // stays Other
    entry.kind = S_ISREG(st.st_mode) ? EntryKind::File : S_ISDIR(st.st_mode) ? EntryKind::Folder : EntryKind::Other;
    entry.size = entry.kind == EntryKind::File ? uint64_t(st.st_size) : 0;
    entry.lastWriteTime = uint64_t(st.st_mtim.tv_sec) * 1000000000ull + uint64_t(st.st_mtim.tv_nsec);
  }
  ::closedir(dir);
  return entries;
}

}  // namespace base::files
