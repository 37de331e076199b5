// What the update knows of the library files it brought, kept in one file in the data root: for
// each block the id it was fetched under and its size, for each item list the validators the server
// sent with it. Several galleries may update at once, so a save reads the file again under the
// lists' lock and applies only what this gallery learnt. A missing or damaged file reads as empty:
// the next walk then checks every block by its size and records it anew.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "base/NamedLock.h"

namespace update {

inline constexpr char16_t kUpdateRecordFile[] = u"UpdateRecord.txt";  // in the data root

struct FileSource {
  std::u16string id{};                  // a block's id in the item list it was fetched from
  std::optional<uint64_t> size{};       // a block's bytes as stored
  std::u16string etag{};                // an item list's ETag, as the server sent it
  std::u16string lastModified{};        // an item list's Last-Modified, as the server sent it

  bool operator==(const FileSource&) const = default;
};

class UpdateRecord {
public:
  // Reads dataRoot's record; paths given later lie below dataRoot.
  explicit UpdateRecord(std::u16string dataRoot);

  const FileSource* find(const std::u16string& path) const;
  void set(const std::u16string& path, FileSource source);
  bool changed() const { return !learnt_.empty(); }
  // Under the lists' lock: the file as it is now, with what was set here since the last save, put
  // in place in one step. False (logged) when the lock could not be had or the file written; what
  // was learnt is kept for the next save.
  bool save(uint32_t lockWaitMs = base::kNamedLockWait);

private:
  using Sources = std::map<std::u16string, FileSource>;  // by path below the data root
  std::u16string keyOf(const std::u16string& path) const;
  static Sources read(const std::u16string& file);
  static std::string text(const Sources& sources);

  std::u16string root_;
  std::u16string file_;
  Sources known_;
  Sources learnt_;
};

}  // namespace update
