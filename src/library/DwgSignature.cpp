#include "library/DwgSignature.h"

namespace library {

bool startsWithDwgVersion(std::string_view head) {
  if (head.size() < kDwgVersionLength || head.substr(0, 3) != "AC1") return false;
  for (char c : head.substr(3, 3))
    if (!(c >= '0' && c <= '9') && c != '.') return false;
  return true;
}

}  // namespace library
