#include "library/ListSaving.h"

#include <algorithm>

#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/NamedLock.h"
#include "base/Path.h"
#include "base/Process.h"
#include "base/Text.h"
#include "library/ListMerge.h"

namespace library {

namespace {

constexpr std::u16string_view kPendingEnd = u".pending";

// A name no pending file has yet: a file of an earlier program with this id may still wait.
std::u16string newPendingFile(const std::u16string& file) {
  const std::u16string stem = file + u"." + base::decimal(int64_t(base::currentProcessId()));
  std::u16string pending = stem + std::u16string(kPendingEnd);
  for (int64_t n = 2; base::files::exists(pending); ++n)
    pending = stem + u"-" + base::decimal(n) + std::u16string(kPendingEnd);
  return pending;
}

bool writeUnderLock(const std::u16string& file, const ListSaveSteps& steps) {
  base::files::removeEndedScratch(file);
  if (!steps.readList()) return false;
  std::vector<std::u16string> merged;
  for (const std::u16string& pending : pendingFilesOf(file))
    if (steps.mergePending(pending)) merged.push_back(pending);
  if (!steps.writeList()) return false;
  for (const std::u16string& pending : merged) base::files::remove(pending);
  return true;
}

}  // namespace

SaveOutcome saveSharedList(const std::u16string& file, SaveTime when, const ListSaveSteps& steps) {
  {
    base::NamedLock lock(kListsLockName, when.lockWait);
    if (lock.held() && writeUnderLock(file, steps)) return SaveOutcome::Written;
  }
  if (!when.last) return SaveOutcome::Kept;
  const std::u16string pending = newPendingFile(file);
  if (!steps.writePending(pending)) return SaveOutcome::Kept;
  base::logFailure(u"save " + file + u": the edits wait in " + pending + u" for the next gallery that saves");
  return SaveOutcome::Pending;
}

std::vector<std::u16string> pendingFilesOf(const std::u16string& file) {
  const std::u16string_view name = base::fileNamePart(file);
  const std::u16string folder = name.size() < file.size() ? file.substr(0, file.size() - name.size() - 1) : u".";
  std::vector<std::pair<uint64_t, std::u16string>> found;
  for (const base::files::FolderEntry& entry :
       base::files::listFolder(folder).value_or(std::vector<base::files::FolderEntry>())) {
    const std::u16string& other = entry.name;
    if (entry.kind != base::files::EntryKind::File || other.size() <= name.size() + 1 + kPendingEnd.size() ||
        !other.starts_with(name) || other[name.size()] != u'.' || !other.ends_with(kPendingEnd))
      continue;
    found.emplace_back(entry.lastWriteTime, base::joinPath(folder, other));
  }
  std::sort(found.begin(), found.end());
  std::vector<std::u16string> files;
  for (auto& [time, path] : found) files.push_back(std::move(path));
  return files;
}

}  // namespace library
