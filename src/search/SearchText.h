// Texts as the search compares them: one SearchChar per character, folded so that case, width and
// traditional or simplified forms do not matter, with the readings of Han characters at hand.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace search {

struct SearchChar {
  char32_t ch;        // folded: ASCII letters lower case, full-width forms half-width, Han simplified
  uint32_t readings;  // ReadingTable handle, kNoReadings for none
};

// The folded characters of a UTF-16 text. Blanks (including the ideographic space) are left out, so
// "xiang zhang" and "xiangzhang" are one query; so are lone surrogates, which stand for no character.
std::vector<SearchChar> foldText(std::u16string_view text);
void foldText(std::u16string_view text, std::vector<SearchChar>& out);  // appends

// A text's characters as a 64-bit set for quick rejection: a text can only match a query whose set
// is contained in the text's. Letters a-z and digits have a bit each (a Han character sets the
// letters of all its readings); every other character sets one of 28 shared bits.
uint64_t charSet(const SearchChar* begin, const SearchChar* end);
uint64_t querySet(const std::vector<char32_t>& query);

}  // namespace search
