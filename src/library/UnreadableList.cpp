#include "library/UnreadableList.h"

#include "base/Clock.h"
#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/SystemError.h"
#include "base/Text.h"

namespace library {

namespace {

constexpr int kNamesPerDay = 100;

bool writeKept(const std::u16string& name, const std::string& bytes) {
  const std::u16string scratch = base::files::scratchFor(name);
  if (base::files::writeWhole(scratch, bytes) && base::files::replaceAtomically(scratch, name)) return true;
  base::logFailure(u"keep an unreadable list as " + name, base::lastSystemError());
  base::files::remove(scratch);
  return false;
}

}  // namespace

bool keepUnreadableList(const std::u16string& path) {
  std::string bytes;
  if (!base::files::readWhole(path, bytes)) {
    base::logFailure(u"read " + path, base::lastSystemError());
    return false;
  }
  const std::u16string stem = path + u".unreadable-" + base::localDate();
  for (int n = 1; n <= kNamesPerDay; ++n) {
    const std::u16string name = n == 1 ? stem : stem + u"-" + base::decimal(n);
    if (base::files::exists(name)) {
      std::string kept;
      if (base::files::readWhole(name, kept) && kept == bytes) return true;
      continue;
    }
    if (!writeKept(name, bytes)) return false;
    base::logFailure(u"unreadable list file " + path + u" kept as " + name);
    return true;
  }
  base::logFailure(u"keep an unreadable list: no free name beside " + path);
  return false;
}

}  // namespace library
