#include "markup/MarkupEncoding.h"

#include <cstring>

#include "base/CodePage.h"
#include "markup/EncodingNames.h"
#include "markup/MarkupAttributes.h"
#include "markup/MarkupNames.h"
#include "markup/MarkupTokenizer.h"

namespace markup::encoding {

bool isUtf8(const char* bytes, size_t count, bool* endedInside) {
  if (endedInside) *endedInside = false;
  const auto* b = reinterpret_cast<const uint8_t*>(bytes);
  size_t i = 0;
  while (i < count) {
    // Eight ASCII bytes without a NUL pass at once.
    if (i + 8 <= count) {
      uint64_t v;
      std::memcpy(&v, b + i, 8);
      if (!(v & 0x8080808080808080ull) && !((v - 0x0101010101010101ull) & ~v & 0x8080808080808080ull)) {
        i += 8;
        continue;
      }
    }
    uint8_t lead = b[i];
    if (lead == 0) break;
    if (lead < 0x80) {
      ++i;
      continue;
    }
    size_t more = !(lead & 0x20) ? 1 : !(lead & 0x10) ? 2 : !(lead & 0x08) ? 3 : 0;
    if (more == 0) return false;
    for (size_t k = 1; k <= more; ++k) {
      if (i + k >= count) {
        if (endedInside) *endedInside = true;
        return false;
      }
      if (b[i + k] < 0x80) return false;
    }
    i += more + 1;
  }
  return true;
}

namespace {

bool is(std::u16string_view name, std::u16string_view lowerWord) {
  if (name.size() != lowerWord.size()) return false;
  for (size_t i = 0; i < name.size(); ++i)
    if (chars::lower(name[i]) != lowerWord[i]) return false;
  return true;
}

std::u16string_view attributeOf(std::u16string_view tag, uint32_t from, std::u16string_view name) {
  auto found = findAttribute(tag, from, name, true);
  if (!found || !found->hasValue) return {};
  return tag.substr(found->valueStart, found->valueLength);
}

// The word after "charset=" in a Content-Type value.
std::u16string charsetOf(std::u16string_view content) {
  for (size_t i = 0; i + 7 <= content.size(); ++i) {
    if (!is(content.substr(i, 7), u"charset")) continue;
    size_t j = i + 7;
    while (j < content.size() && chars::isWhite(content[j])) ++j;
    if (j >= content.size() || content[j] != u'=') continue;
    ++j;
    while (j < content.size() && chars::isWhite(content[j])) ++j;
    size_t end = j;
    while (end < content.size() && !chars::isWhite(content[end]) && content[end] != u';' && content[end] != u'"' &&
           content[end] != u'\'')
      ++end;
    return std::u16string(content.substr(j, end - j));
  }
  return {};
}

}  // namespace

std::u16string detectDeclaredEncoding(std::u16string_view text) {
  MarkupTokenizer tokenizer(text);
  MarkupNode node;
  bool inHtml = false;
  while (tokenizer.next(node)) {
    std::u16string_view span = text.substr(node.start, node.length);
    if (node.kind == kErrorNode) return {};
    if (node.kind == kInstructionNode) {
      uint32_t target = names::nameLength(span, 2);
      if (node.start == 0 && is(span.substr(2, target), u"xml"))
        return std::u16string(attributeOf(span, 2 + target, u"encoding"));
    } else if (node.kind == kElementNode) {
      std::u16string_view name = span.substr(1, node.nameLength);
      if (!inHtml) {
        if (!is(name, u"html")) return {};
        inHtml = true;
      } else if (is(name, u"meta") && is(attributeOf(span, 1 + node.nameLength, u"http-equiv"), u"content-type")) {
        return charsetOf(attributeOf(span, 1 + node.nameLength, u"content"));
      }
    } else if (node.kind == kEndTagNode && is(span.substr(2, node.nameLength), u"head")) {
      return {};
    }
  }
  return {};
}

bool reportsLoss(int page) {
  switch (page) {
    case 50220: case 50221: case 50222: case 50225: case 50227: case 50229:
    case 52936: case 54936: case 65000: case 65001:
      return false;
    default:
      return !(page >= 57002 && page <= 57011);
  }
}

namespace {

// A page this platform cannot convert is read and written as the ANSI page, like an unknown name.
unsigned usable(int page) {
  if (page <= 0) return 0;
  if (page == kUtf16 || page == kUtf8 || base::codepage::isSupported(unsigned(page))) return unsigned(page);
  return 0;
}

void putUnit(std::string& out, uint32_t unit, size_t bytes) {
  for (size_t k = 0; k < bytes; ++k) out += char((unit >> (8 * k)) & 0xFF);
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | ((c >> 18) & 0x07));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

std::string fromUtf32(std::string_view in, int target) {
  std::string out;
  for (size_t i = 0; i + 4 <= in.size(); i += 4) {
    char32_t c = char32_t(uint8_t(in[i])) | char32_t(uint8_t(in[i + 1])) << 8 | char32_t(uint8_t(in[i + 2])) << 16 |
                 char32_t(uint8_t(in[i + 3])) << 24;
    if (target == kUtf8) {
      appendUtf8(out, c);
    } else if (c >= 0x10000) {
      c -= 0x10000;
      putUnit(out, 0xD800 | ((c >> 10) & 0x3FF), 2);
      putUnit(out, 0xDC00 | (c & 0x3FF), 2);
    } else {
      putUnit(out, c, 2);
    }
  }
  return out;
}

std::u16string unitsOf(std::string_view in) {
  std::u16string units(in.size() / 2, u'\0');
  std::memcpy(units.data(), in.data(), units.size() * 2);
  return units;
}

std::string bytesOf(std::u16string_view units) {
  std::string out(units.size() * 2, '\0');
  std::memcpy(out.data(), units.data(), out.size());
  return out;
}

std::string wideToUtf32(std::u16string_view units) {
  std::string out;
  out.reserve(units.size() * 4);
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    if (c >= 0xD800 && c <= 0xDFFF) {
      if (i + 1 < units.size()) c = 0x10000 + ((c & 0x3FF) << 10 | (units[++i] & 0x3FF));
      else c = u'?';
    }
    putUnit(out, c, 4);
  }
  return out;
}

std::string utf8ToUtf32(std::string_view in) {
  std::string out;
  const auto* b = reinterpret_cast<const uint8_t*>(in.data());
  for (size_t i = 0; i < in.size();) {
    uint8_t lead = b[i];
    size_t more = lead < 0x80 ? 0 : lead >= 0xC2 && lead < 0xE0 ? 1 : lead >= 0xE0 && lead < 0xF0 ? 2 : lead >= 0xF0 && lead < 0xF5 ? 3 : 4;
    char32_t c = more == 0 ? lead : more == 1 ? lead & 0x1F : more == 2 ? lead & 0x0F : lead & 0x07;
    bool ok = more < 4 && i + more < in.size();
    for (size_t k = 1; ok && k <= more; ++k) {
      ok = (b[i + k] & 0xC0) == 0x80;
      c = c << 6 | (b[i + k] & 0x3F);
    }
    putUnit(out, ok ? c : u'?', 4);
    i += ok ? more + 1 : 1;
  }
  return out;
}

std::string fromWideTo(int target, std::u16string_view units, bool* lost) {
  if (target == kUtf16) return bytesOf(units);
  if (target == kUtf32) return wideToUtf32(units);
  std::string out;
  bool usedDefault = false;
  base::codepage::fromWide(usable(target), units, out, reportsLoss(target) ? &usedDefault : nullptr);
  if (lost) *lost = usedDefault;
  return out;
}

std::string converted(int source, int target, std::string_view in, bool* lost) {
  if (source == kUtf32) return target == kUtf8 || target == kUtf16 ? fromUtf32(in, target) : std::string();
  if (source == kUtf16) return fromWideTo(target, unitsOf(in), lost);
  if (target == kUtf16) return bytesOf(toWide(source, in));
  if (target == kUtf32) return source == kUtf8 ? utf8ToUtf32(in) : std::string();
  return fromWideTo(target, toWide(source, in), lost);
}

}  // namespace

std::u16string toWide(int codePage, std::string_view bytes) {
  std::u16string text;
  if (codePage == kUtf16) return unitsOf(bytes);
  if (codePage == kUtf32) return unitsOf(fromUtf32(bytes, kUtf16));
  base::codepage::toWide(usable(codePage), bytes, text);
  return text;
}

size_t convert(std::u16string_view fromName, std::u16string_view toName, const void* input, size_t inputBytes,
               void* output, size_t capacity, bool* lost) {
  if (lost) *lost = false;
  int source = encodingCodePage(fromName), target = encodingCodePage(toName);
  if (source < 0) source = kAnsi;
  if (target < 0) target = kAnsi;
  std::string out = converted(source, target, std::string_view(static_cast<const char*>(input), inputBytes), lost);
  if (!output) return out.size();
  if (out.size() > capacity) return 0;
  std::memcpy(output, out.data(), out.size());
  return out.size();
}

}  // namespace markup::encoding
