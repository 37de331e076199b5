#include "base/FolderNames.h"

#include <dirent.h>

#include <atomic>

#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"

namespace base {

namespace {
std::atomic<uint64_t> listings{0};
}  // namespace

uint64_t FolderNames::listingCount() { return listings.load(); }

FolderNames::FolderNames(const std::u16string& folder) {
  listings.fetch_add(1, std::memory_order_relaxed);
  DIR* dir = ::opendir(toUtf8(folder).c_str());
  if (!dir) return;
  listed_ = true;
  while (const dirent* e = ::readdir(dir)) {
    std::string_view name = e->d_name;
    if (name == "." || name == "..") continue;
    std::u16string wideName = fromUtf8(name);
    // A link counts only when what it points at exists, as a query through it would find.
    if ((e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) && !files::exists(joinPath(folder, wideName))) continue;
    names_.insert(std::move(wideName));
  }
  ::closedir(dir);
}

bool FolderNames::contains(std::u16string_view name) const { return names_.count(std::u16string(name)) != 0; }

}  // namespace base
