#include "WindowsCase.h"

#include <algorithm>

namespace publish {

std::u16string windowsFolded(std::u16string_view name) {
  const UpcasePair* begin = kWindowsUpcase;
  const UpcasePair* end = kWindowsUpcase + kWindowsUpcaseCount;
  std::u16string folded(name);
  for (char16_t& unit : folded) {
    const UpcasePair* at = std::lower_bound(begin, end, unit, [](const UpcasePair& p, char16_t c) { return p.code < c; });
    if (at != end && at->code == unit) unit = at->upper;
  }
  return folded;
}

}  // namespace publish
