#include "markup/MarkupText.h"

#include "markup/EntityTable.h"
#include "markup/MarkupChars.h"

namespace markup::text {

namespace {

constexpr size_t kLongestReference = 9;

void appendCodePoint(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += char16_t(c);
    return;
  }
  c -= 0x10000;
  out += char16_t(0xD800 | (c >> 10));
  out += char16_t(0xDC00 | (c & 0x3FF));
}

char32_t numeric(std::u16string_view digits, unsigned radix) {
  if (digits.empty()) return 0;
  char32_t value = 0;
  for (char16_t c : digits) {
    unsigned d;
    if (c >= u'0' && c <= u'9') d = c - u'0';
    else if (radix == 16 && chars::lower(c) >= u'a' && chars::lower(c) <= u'f') d = chars::lower(c) - u'a' + 10;
    else return 0;
    value = value * radix + d;
  }
  return value > 0x10FFFF ? 0 : value;
}

// The code point of the reference whose name (without "&" and ";") is given; 0 when none.
char32_t referenced(std::u16string_view name) {
  if (name.empty()) return 0;
  if (name[0] != u'#') return entities::codePoint(name);
  if (name.size() > 1 && chars::lower(name[1]) == u'x') return numeric(name.substr(2), 16);
  return numeric(name.substr(1), 10);
}

void shapeWhite(std::u16string& out, size_t from, uint32_t flags) {
  size_t begin = from, end = out.size();
  while (begin < end && chars::isWhite(out[begin])) ++begin;
  while (end > begin && chars::isWhite(out[end - 1])) --end;
  bool collapse = flags & kCollapseWhite, inWhite = false;
  size_t w = from;
  for (size_t r = begin; r < end; ++r) {
    bool white = chars::isWhite(out[r]);
    if (!white || !collapse) out[w++] = out[r];
    else if (!inWhite) out[w++] = u' ';
    inWhite = white;
  }
  out.resize(w);
}

}  // namespace

void appendDecoded(std::u16string& out, std::u16string_view text, uint32_t flags) {
  size_t from = out.size();
  out.reserve(from + text.size());
  size_t run = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') continue;
    size_t j = i + 1;
    while (j < text.size() && j - i - 1 < kLongestReference && text[j] < 128 && text[j] != u';') ++j;
    if (j >= text.size() || text[j] != u';') continue;
    char32_t c = referenced(text.substr(i + 1, j - i - 1));
    if (c == 0) continue;
    out.append(text.substr(run, i - run));
    appendCodePoint(out, c);
    run = j + 1;
    i = j;
  }
  out.append(text.substr(run));
  if (flags & (kTrimWhite | kCollapseWhite)) shapeWhite(out, from, flags);
}

namespace {

bool startsReference(std::u16string_view text, size_t at) {
  auto nameChar = [](char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
  };
  size_t i = at + 1;
  if (i >= text.size() || !(text[i] == u'#' || nameChar(text[i]))) return false;
  for (++i; i < text.size() && nameChar(text[i]); ++i) {
  }
  return i < text.size() && text[i] == u';';
}

}  // namespace

std::u16string encoded(std::u16string_view text, bool forAttribute, bool keepReferences) {
  std::u16string out;
  out.reserve(text.size() + text.size() / 10 + 7);
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'&') out += keepReferences && startsReference(text, i) ? u"&" : u"&amp;";
    else if (c == u'<') out += u"&lt;";
    else if (c == u'>') out += u"&gt;";
    else if (forAttribute && c == u'"') out += u"&quot;";
    else if (forAttribute && c == u'\'') out += u"&apos;";
    else out += c;
  }
  return out;
}

}  // namespace markup::text
