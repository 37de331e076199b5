#include "cad/CadPrograms.h"

#include "base/Text.h"

namespace cad {

namespace {

// ".24", ".24.3": dot-separated runs of digits, at least one.
bool versionSuffix(std::u16string_view rest) {
  if (rest.size() < 2 || rest.front() != u'.') return false;
  bool digitSeen = false;
  for (char16_t c : rest.substr(1)) {
    if (c == u'.' && digitSeen) {
      digitSeen = false;
    } else if (c >= u'0' && c <= u'9') {
      digitSeen = true;
    } else {
      return false;
    }
  }
  return digitSeen;
}

}  // namespace

bool isCadProgramId(std::u16string_view name) {
  for (std::u16string_view id : kProgramIds) {
    if (name.size() < id.size() || !base::equalsIgnoreAsciiCase(name.substr(0, id.size()), id)) continue;
    if (name.size() == id.size() || versionSuffix(name.substr(id.size()))) return true;
  }
  return false;
}

std::optional<size_t> frontmostProgram(const std::vector<std::optional<uint32_t>>& windowDepths) {
  std::optional<size_t> best;
  for (size_t i = 0; i < windowDepths.size(); ++i) {
    if (!best) {
      best = i;
      continue;
    }
    const std::optional<uint32_t>& seen = windowDepths[*best];
    if (windowDepths[i] && (!seen || *windowDepths[i] < *seen)) best = i;
  }
  return best;
}

}  // namespace cad
