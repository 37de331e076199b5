#include "base/Files.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "base/KernelHandle.h"
#include "base/Text.h"
#include "base/WinText.h"

namespace base::files {

namespace {

std::atomic<uint64_t> queries{0};

bool attributesOf(const std::u16string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  queries.fetch_add(1, std::memory_order_relaxed);
  return GetFileAttributesExW(wide(path), GetFileExInfoStandard, &data) != 0;
}

// FILE_RENAME_INFO as Windows 10 lays it out for FileRenameInfoEx (the headers give both only to
// programs that require Windows 10).
struct RenameInfoEx {
  DWORD flags;
  HANDLE root;
  DWORD nameLength;  // bytes
  WCHAR name[1];
};
constexpr auto kFileRenameInfoEx = FILE_INFO_BY_HANDLE_CLASS(22);
constexpr DWORD kReplaceIfExists = 0x1;
constexpr DWORD kPosixSemantics = 0x2;

// A rename that replaces target even while others have it open (with FILE_SHARE_DELETE): they keep
// reading the old file. Only Windows 10 and later offer it; false elsewhere.
bool renameOverOpenTarget(HANDLE source, const std::u16string& target) {
  std::vector<char> buffer(sizeof(RenameInfoEx) + target.size() * sizeof(WCHAR));
  auto* info = reinterpret_cast<RenameInfoEx*>(buffer.data());
  info->flags = kReplaceIfExists | kPosixSemantics;
  info->nameLength = DWORD(target.size() * sizeof(WCHAR));
  std::copy(target.begin(), target.end(), info->name);
  return SetFileInformationByHandle(source, kFileRenameInfoEx, info, DWORD(buffer.size())) != 0;
}

}  // namespace

uint64_t queryCount() { return queries.load(); }

bool exists(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return attributesOf(path, data);
}

bool isDirectory(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return attributesOf(path, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<uint64_t> lastWriteTime(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!attributesOf(path, data)) return std::nullopt;
  return (uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

std::optional<uint64_t> size(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!attributesOf(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  return (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool readWhole(const std::u16string& path, std::string& bytes) {
  bytes.clear();
  KernelHandle file(CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return false;
  LARGE_INTEGER length;
  if (!GetFileSizeEx(file.get(), &length) || length.QuadPart > 0x7FFFFFFF) return false;
  bytes.resize(size_t(length.QuadPart));
  size_t got = 0;
  while (got < bytes.size()) {
    DWORD n = 0;
    if (!ReadFile(file.get(), bytes.data() + got, DWORD(bytes.size() - got), &n, nullptr) || n == 0) break;
    got += n;
  }
  bytes.resize(got);
  return true;
}

bool writeWhole(const std::u16string& path, std::string_view bytes) {
  KernelHandle file(CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD n = 0;
    if (!WriteFile(file.get(), bytes.data() + done, DWORD(bytes.size() - done), &n, nullptr) || n == 0) break;
    done += n;
  }
  return done == bytes.size();
}

bool append(const std::u16string& path, std::string_view bytes) {
  KernelHandle file(CreateFileW(wide(path), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file || bytes.size() > 0xFFFFFFFFu) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
}

bool copy(const std::u16string& from, const std::u16string& to, bool overwrite) {
  return CopyFileW(wide(from), wide(to), overwrite ? FALSE : TRUE) != 0;
}

bool createNew(const std::u16string& path) {
  KernelHandle file(CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  return bool(file);
}

bool replaceAtomically(const std::u16string& source, const std::u16string& target) {
  // The move is logged by the file system, the data is not: without the flush a crash soon after
  // could leave the new name on a file whose bytes never reached the disk.
  {
    KernelHandle file(CreateFileW(wide(source), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !FlushFileBuffers(file.get())) return false;
    if (renameOverOpenTarget(file.get(), target)) return true;
  }
  return MoveFileExW(wide(source), wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool remove(const std::u16string& path) { return DeleteFileW(wide(path)) != 0; }

bool createDirectory(const std::u16string& path) { return CreateDirectoryW(wide(path), nullptr) != 0; }

std::optional<std::vector<FolderEntry>> listFolder(const std::u16string& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileExW(wide(folder + u"\\*"), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<FolderEntry> entries;
  do {
    std::u16string name = fromWide(found.cFileName);
    if (name == u"." || name == u"..") continue;
    FolderEntry& entry = entries.emplace_back();
    entry.name = std::move(name);
    entry.kind = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder
                 : (found.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)  ? EntryKind::Other
                                                                    : EntryKind::File;
    if (entry.kind == EntryKind::File) entry.size = (uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    entry.lastWriteTime = (uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32) | found.ftLastWriteTime.dwLowDateTime;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

}  // namespace base::files
