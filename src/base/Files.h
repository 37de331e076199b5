// The files the gallery touches. Every function fails quietly: false, nullopt or an empty result.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace base::files {

bool exists(const std::u16string& path);           // a file or a folder
bool isDirectory(const std::u16string& path);
// Last write as a 64-bit count (100 ns units on Windows); only equality and order matter.
std::optional<uint64_t> lastWriteTime(const std::u16string& path);
std::optional<uint64_t> size(const std::u16string& path);

bool readWhole(const std::u16string& path, std::string& bytes);
bool writeWhole(const std::u16string& path, std::string_view bytes);   // creates or truncates
// Adds bytes at the end in one write, creating the file; other programs may append at the same time.
bool append(const std::u16string& path, std::string_view bytes);
bool copy(const std::u16string& from, const std::u16string& to, bool overwrite);
// Makes an empty file; false when one is there already (it is left as it is) or none can be made.
bool createNew(const std::u16string& path);
// A sibling name for writing path's next content before it replaces path, private to this
// process: two programs saving the same file at once do not write into one scratch file.
std::u16string scratchFor(const std::u16string& path);
// Removes the scratch files of path whose program has ended without replacing path: what a save cut
// off by a kill leaves. Call it holding the lock every save of path takes, so none is half done.
size_t removeEndedScratch(const std::u16string& path);
// Puts source's bytes on the disk, then moves source over target in one step: after a crash the
// target is either the old file or the whole new one.
bool replaceAtomically(const std::u16string& source, const std::u16string& target);
bool remove(const std::u16string& path);
bool createDirectory(const std::u16string& path);   // one level; an existing folder gives false
std::vector<std::u16string> listFiles(const std::u16string& folder);  // names of plain files

enum class EntryKind { File, Folder, Other };
struct FolderEntry {
  std::u16string name;
  EntryKind kind = EntryKind::Other;   // links are followed; a dangling one is Other
  uint64_t size = 0;                   // files only
  uint64_t lastWriteTime = 0;          // in lastWriteTime's units
};
// A folder's entries (without "." and ".."), in no particular order, with each one's size and time
// read in the same pass: one call per folder where asking per file would cost one query each.
// nullopt when the folder cannot be listed.
std::optional<std::vector<FolderEntry>> listFolder(const std::u16string& folder);

// Existence, time and size queries made so far by this process (benchmarks report it).
uint64_t queryCount();

}  // namespace base::files
