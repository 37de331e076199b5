#include "base/CodePage.h"

#include <iconv.h>

#include <cerrno>

#include "base/CodePageNames.h"
#include "base/Text.h"

namespace base::codepage {

namespace {

// An iconv conversion that is closed on every road out.
class Converter {
public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != iconv_t(-1); }

  // Converts all of in; each unconvertible input unit of unitSize bytes becomes replacement.
  std::string run(std::string_view in, size_t unitSize, std::string_view replacement, bool& replaced) {
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    while (srcLeft > 0) {
      if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) != size_t(-1)) break;
      if (errno == E2BIG) {
        size_t used = size_t(dst - out.data());
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dstLeft = out.size() - used;
        continue;
      }
      // EILSEQ or EINVAL: one unit cannot be converted; replace it and go on.
      replaced = true;
      size_t skip = std::min(unitSize, srcLeft);
      src += skip;
      srcLeft -= skip;
      size_t used = size_t(dst - out.data());
      out.resize(used);
      out += replacement;
      out.resize(out.size() + srcLeft * 4 + 16);
      dst = out.data() + used + replacement.size();
      dstLeft = out.size() - used - replacement.size();
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
    out.resize(size_t(dst - out.data()));
    return out;
  }

private:
  iconv_t cd_;
};

const char* nameOf(unsigned codePage) {
  if (codePage == 0) codePage = ansiCodePage();
  return iconvName(codePage);
}

}  // namespace

unsigned ansiCodePage() { return 936; }

bool isSupported(unsigned codePage) { return nameOf(codePage) != nullptr; }

bool toWide(unsigned codePage, std::string_view bytes, std::u16string& text) {
  if (codePage == 0) codePage = ansiCodePage();
  if (codePage == kUtf8) {
    text = fromUtf8(bytes);
    return true;
  }
  const char* name = nameOf(codePage);
  if (!name) return false;
  Converter conv("UTF-16LE", name);
  if (!conv.ok()) return false;
  bool replaced = false;
  std::string units = conv.run(bytes, 1, std::string_view("\xFD\xFF", 2), replaced);
  text.resize(units.size() / 2);
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = char16_t(uint8_t(units[2 * i]) | (uint8_t(units[2 * i + 1]) << 8));
  return true;
}

bool fromWide(unsigned codePage, std::u16string_view text, std::string& bytes, bool* usedDefault) {
  if (codePage == 0) codePage = ansiCodePage();
  if (usedDefault) *usedDefault = false;
  if (codePage == kUtf8) {
    bytes = toUtf8(text);
    return true;
  }
  const char* name = nameOf(codePage);
  if (!name) return false;
  Converter conv(name, "UTF-16LE");
  if (!conv.ok()) return false;
  std::string units(text.size() * 2, '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    units[2 * i] = char(text[i] & 0xFF);
    units[2 * i + 1] = char(text[i] >> 8);
  }
  bool replaced = false;
  bytes = conv.run(units, 2, "?", replaced);
  if (usedDefault) *usedDefault = replaced;
  return true;
}

}  // namespace base::codepage
