// The names in one folder, read in one listing, for asking about many files of that folder at
// once. A name is present when a file or folder of that name exists there, matched as the platform
// matches names (case-insensitively on Windows, exactly natively).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

namespace base {

class FolderNames {
public:
  // Lists the folder; listed() is false when it cannot be read.
  explicit FolderNames(const std::u16string& folder);

  bool listed() const { return listed_; }
  // A plain name, without separators.
  bool contains(std::u16string_view name) const;

  // Folder listings made so far by this process (benchmarks report it beside files::queryCount).
  static uint64_t listingCount();

private:
  bool listed_ = false;
  std::unordered_set<std::u16string> names_;
};

}  // namespace base
