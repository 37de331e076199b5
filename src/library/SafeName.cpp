#include "library/SafeName.h"

#include <string>

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

char16_t upper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; }

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, in any case and with any extension, name a
// device rather than a file on Windows.
bool isDeviceName(std::u16string_view name) {
  std::u16string base;
  for (char16_t c : name.substr(0, name.find(u'.'))) base += upper(c);
  if (base == u"CON" || base == u"PRN" || base == u"AUX" || base == u"NUL") return true;
  return base.size() == 4 && (base.starts_with(u"COM") || base.starts_with(u"LPT")) && base[3] >= u'1' &&
         base[3] <= u'9';
}

}  // namespace

bool isSafeLocalName(std::u16string_view name) {
  if (name.empty() || name == u"." || name == u"..") return false;
  for (char16_t c : name)
    if (isForbidden(c)) return false;
  return !isDeviceName(name);
}

bool isSafeFolderName(std::u16string_view name) {
  // Windows drops a trailing dot or blank from a folder's name, so the folder made and the one
  // looked in later would differ. A block's name is followed by ".dwg", so it may end in either.
  return isSafeLocalName(name) && name.back() != u'.' && name.back() != u' ';
}

}  // namespace library
