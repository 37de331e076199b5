// The records every part of the gallery shares: blocks, index entries and category rows.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace library {

// One block: eight texts, copied whole, and the DWG file's size when its item list gives it.
struct BlockRecord {
  std::u16string folderUrl;  // the category's folder on the update server
  std::u16string folder;     // the category's folder on disk
  std::u16string id;         // trimmed; two records are the same block when their ids are equal
  std::u16string name;       // the DWG file's name without ".dwg"
  std::u16string spec;
  std::u16string detail;
  std::u16string mfrs;
  std::u16string url;
  std::optional<uint64_t> size{};  // bytes; a download of another size is not the block

  bool operator==(const BlockRecord&) const = default;
};

// folder + separator + name + ".dwg": the key of the block's thumbnail and the path handed to the host.
std::u16string blockDwgPath(const BlockRecord& block);

// "no" in a record field stands for an empty value.
inline bool isEmptyValue(const std::u16string& value) { return value.empty() || value == u"no"; }

// A name with "_" at position 0 to 3 is shown without everything up to and including that "_".
std::u16string displayName(const std::u16string& name);

enum class EntryKind : int32_t { Specialty = 1, Category = 2, SubCategory = 3 };

// The category index as scanned: three lists of equal length, in file order.
struct IndexEntries {
  std::vector<EntryKind> kinds;
  std::vector<std::u16string> remoteNames;
  std::vector<std::u16string> localNames;

  size_t size() const { return kinds.size(); }
  void clear() {
    kinds.clear();
    remoteNames.clear();
    localNames.clear();
  }
};

enum class RowLevel : int32_t { Root = 0, Specialty = 1, Category = 2, SubCategory = 3 };

struct CategoryRow {
  RowLevel level = RowLevel::Root;
  std::u16string folderUrl;
  std::u16string folder;
};

// Row 0 is the library root; rows follow in index order.
using CategoryTable = std::vector<CategoryRow>;

}  // namespace library
