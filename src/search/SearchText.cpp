#include "search/SearchText.h"

#include "search/ReadingTable.h"

namespace search {

namespace {

bool isBlank(char32_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x3000; }

char32_t foldChar(char32_t c, const ReadingTable& table) {
  if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;  // full-width ASCII forms
  if (c >= u'A' && c <= u'Z') return c + (u'a' - u'A');
  if (c < 0x2E80) return c;
  return table.simplified(c);
}

uint64_t bitOf(char32_t c) {
  if (c >= u'a' && c <= u'z') return uint64_t(1) << (c - u'a');
  if (c >= u'0' && c <= u'9') return uint64_t(1) << (26 + c - u'0');
  return uint64_t(1) << (36 + (c * 2654435761u >> 7) % 28);
}

}  // namespace

void foldText(std::u16string_view text, std::vector<SearchChar>& out) {
  const ReadingTable& table = ReadingTable::instance();
  for (size_t k = 0; k < text.size(); ++k) {
    char32_t c = text[k];
    if (c >= 0xD800 && c <= 0xDBFF && k + 1 < text.size() && text[k + 1] >= 0xDC00 && text[k + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[k + 1] - 0xDC00);
      ++k;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      continue;
    }
    if (isBlank(c)) continue;
    c = foldChar(c, table);
    out.push_back(SearchChar{c, c < 0x3000 ? kNoReadings : table.readingsOf(c)});
  }
}

std::vector<SearchChar> foldText(std::u16string_view text) {
  std::vector<SearchChar> out;
  foldText(text, out);
  return out;
}

uint64_t charSet(const SearchChar* begin, const SearchChar* end) {
  const ReadingTable& table = ReadingTable::instance();
  uint64_t set = 0;
  for (const SearchChar* c = begin; c != end; ++c) {
    set |= bitOf(c->ch);
    for (uint16_t n : table.syllables(c->readings))
      for (char letter : table.syllable(n)) set |= bitOf(char32_t(letter));
  }
  return set;
}

uint64_t querySet(const std::vector<char32_t>& query) {
  uint64_t set = 0;
  for (char32_t c : query) set |= bitOf(c);
  return set;
}

}  // namespace search
