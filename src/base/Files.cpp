#include "base/Files.h"

#include <charconv>

#include "base/Path.h"
#include "base/Process.h"
#include "base/Text.h"

namespace base::files {

namespace {

constexpr std::u16string_view kScratchEnd = u".saving";

}  // namespace

std::u16string scratchFor(const std::u16string& path) {
  return path + u"." + decimal(int64_t(currentProcessId())) + std::u16string(kScratchEnd);
}

std::vector<std::u16string> listFiles(const std::u16string& folder) {
  std::vector<std::u16string> names;
  for (FolderEntry& entry : listFolder(folder).value_or(std::vector<FolderEntry>()))
    if (entry.kind == EntryKind::File) names.push_back(std::move(entry.name));
  return names;
}

size_t removeEndedScratch(const std::u16string& path) {
  const std::u16string_view name = fileNamePart(path);
  const std::u16string folder = name.size() < path.size() ? path.substr(0, path.size() - name.size() - 1) : u".";
  size_t removed = 0;
  for (const std::u16string& file : listFiles(folder)) {
    if (file.size() <= name.size() + 1 + kScratchEnd.size() || !file.starts_with(name) || file[name.size()] != u'.' ||
        !file.ends_with(kScratchEnd))
      continue;
    const std::string id = toUtf8(file.substr(name.size() + 1, file.size() - name.size() - 1 - kScratchEnd.size()));
    uint32_t process = 0;
    auto [end, failed] = std::from_chars(id.data(), id.data() + id.size(), process);
    if (failed != std::errc() || end != id.data() + id.size() || processRunning(process)) continue;
    removed += remove(joinPath(folder, file));
  }
  return removed;
}

}  // namespace base::files
