#include "update/UpdateRecord.h"

#include <charconv>
#include <string_view>
#include <utility>
#include <vector>

#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/NamedLock.h"
#include "base/Path.h"
#include "base/Text.h"
#include "library/ListMerge.h"

namespace update {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::optional<uint64_t> sizeFrom(std::string_view digits) {
  uint64_t size = 0;
  auto [end, failed] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
  if (digits.empty() || failed != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return size;
}

}  // namespace

UpdateRecord::UpdateRecord(std::u16string dataRoot)
    : root_(std::move(dataRoot)), file_(base::joinPath(root_, kUpdateRecordFile)), known_(read(file_)) {}

std::u16string UpdateRecord::keyOf(const std::u16string& path) const {
  if (path.size() > root_.size() + 1 && path.starts_with(root_)) return path.substr(root_.size() + 1);
  return path;
}

const FileSource* UpdateRecord::find(const std::u16string& path) const {
  auto found = known_.find(keyOf(path));
  return found == known_.end() ? nullptr : &found->second;
}

void UpdateRecord::set(const std::u16string& path, FileSource source) {
  std::u16string key = keyOf(path);
  known_[key] = source;
  learnt_[key] = std::move(source);
}

UpdateRecord::Sources UpdateRecord::read(const std::u16string& file) {
  std::string bytes;
  Sources sources;
  if (!base::files::readWhole(file, bytes)) return sources;
  std::string_view rest(bytes);
  if (rest.starts_with(kByteOrderMark)) rest.remove_prefix(kByteOrderMark.size());
  while (!rest.empty()) {
    size_t end = rest.find_first_of("\r\n");
    // Paths, ids and header values hold neither tabs nor line ends.
    std::vector<std::string_view> fields = base::tabFields(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (fields.size() != 5 || fields[0].empty()) continue;
    sources[base::fromUtf8(fields[0])] = FileSource{base::fromUtf8(fields[1]), sizeFrom(fields[2]),
                                                    base::fromUtf8(fields[3]), base::fromUtf8(fields[4])};
  }
  return sources;
}

std::string UpdateRecord::text(const Sources& sources) {
  std::string text(kByteOrderMark);
  for (const auto& [key, source] : sources) {
    text += base::toUtf8(key) + '\t' + base::toUtf8(source.id) + '\t' +
            (source.size ? std::to_string(*source.size) : std::string()) + '\t' + base::toUtf8(source.etag) + '\t' +
            base::toUtf8(source.lastModified) + '\r';
  }
  return text;
}

bool UpdateRecord::save(uint32_t lockWaitMs) {
  if (learnt_.empty()) return true;
  // Without the lock another gallery's record could be overwritten: what this walk learnt waits for
  // its next save (the lock's failure is logged).
  base::NamedLock lock(library::kListsLockName, lockWaitMs);
  if (!lock.held()) return false;
  base::files::removeEndedScratch(file_);
  Sources merged = read(file_);
  for (const auto& [key, source] : learnt_) merged[key] = source;
  const std::u16string scratch = base::files::scratchFor(file_);
  if (!base::files::writeWhole(scratch, text(merged)) || !base::files::replaceAtomically(scratch, file_)) {
    base::logFailure(u"write " + file_);
    base::files::remove(scratch);
    return false;
  }
  known_ = std::move(merged);
  learnt_.clear();
  return true;
}

}  // namespace update
