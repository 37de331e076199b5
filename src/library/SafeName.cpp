#include "library/SafeName.h"

namespace library {

namespace {

bool isForbidden(char16_t c) {
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
  switch (c) {
    case u'\\': case u'/': case u':': case u'*': case u'?':
    case u'"': case u'<': case u'>': case u'|':
      return true;
    default:
      return false;
  }
}

}  // namespace

bool isSafeLocalName(std::u16string_view name) {
  if (name.empty() || name == u"." || name == u"..") return false;
  for (char16_t c : name)
    if (isForbidden(c)) return false;
  return true;
}

}  // namespace library
