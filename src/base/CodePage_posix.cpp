#include "base/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

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

// One UTF-8 sequence at i, as fromUtf8 reads it: a bad byte becomes U+FFFD on its own.
inline size_t decodeOne(const uint8_t* b, size_t i, size_t n, char32_t& c) {
  uint8_t lead = b[i];
  size_t extra = lead >= 0xF0 && lead <= 0xF4 ? 3 : lead >= 0xE0 && lead < 0xF0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : 0;
  c = 0xFFFD;
  if (extra == 0 || i + extra >= n) return 1;
  char32_t v = extra == 3 ? lead & 0x07 : extra == 2 ? lead & 0x0F : lead & 0x1F;
  for (size_t k = 1; k <= extra; ++k) {
    if ((b[i + k] & 0xC0) != 0x80) return 1;
    v = (v << 6) | (b[i + k] & 0x3F);
  }
  bool overlong = (extra == 2 && v < 0x800) || (extra == 3 && v < 0x10000);
  if (overlong || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 1;
  c = v;
  return extra + 1;
}

// Walks UTF-8 once to count UTF-16 units (out null) or to write them; ASCII goes eight at a time.
size_t utf8ToUnits(std::string_view bytes, char16_t* out) {
  const auto* b = reinterpret_cast<const uint8_t*>(bytes.data());
  const size_t n = bytes.size();
  size_t i = 0, units = 0;
  while (i < n) {
    if (i + 8 <= n) {
      uint64_t v;
      std::memcpy(&v, b + i, 8);
      if (!(v & 0x8080808080808080ull)) {
        if (out)
          for (size_t k = 0; k < 8; ++k) out[units + k] = char16_t(b[i + k]);
        units += 8;
        i += 8;
        continue;
      }
    }
    if (b[i] < 0x80) {
      if (out) out[units] = char16_t(b[i]);
      ++units;
      ++i;
      continue;
    }
    char32_t c;
    i += decodeOne(b, i, n, c);
    if (c >= 0x10000) {
      if (out) {
        out[units] = char16_t(0xD800 | ((c - 0x10000) >> 10));
        out[units + 1] = char16_t(0xDC00 | (c & 0x3FF));
      }
      units += 2;
    } else {
      if (out) out[units] = char16_t(c);
      ++units;
    }
  }
  return units;
}

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
    // Counted first so the text is allocated once at its exact size.
    text.resize(utf8ToUnits(bytes, nullptr));
    utf8ToUnits(bytes, text.data());
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
