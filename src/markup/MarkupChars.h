// Character classes of the markup reader: one table lookup per ASCII character, nothing for the rest.
#pragma once
#include <cstdint>

namespace markup::chars {

enum : uint8_t {
  kWhite = 0x01,      // tab, line feed, carriage return, space
  kNameEnd = 0x02,    // ends a tag or attribute name
  kNameStart = 0x04,  // may follow "<" to begin a start tag
  kTagStop = 0x08,    // ">" and the quotes: where scanning a start tag must look closer
  kFollowsName = 0x10 // may follow an asked-for name: space, "/", "=", "[", "]"
};

struct Table {
  uint8_t cls[128] = {};
  constexpr Table() {
    for (char c : {'\t', '\n', '\r', ' '}) cls[int(c)] |= kWhite | kNameEnd;
    for (char c : {'!', '"', '\'', '/', ';', '<', '=', '>', '?', '\\'}) cls[int(c)] |= kNameEnd;
    for (int c = 'A'; c <= 'Z'; ++c) cls[c] |= kNameStart;
    for (int c = 'a'; c < 128; ++c) cls[c] |= kNameStart;
    cls[int(':')] |= kNameStart;
    cls[int('_')] |= kNameStart;
    for (char c : {'>', '"', '\''}) cls[int(c)] |= kTagStop;
    for (char c : {' ', '/', '=', '[', ']'}) cls[int(c)] |= kFollowsName;
  }
};

inline constexpr Table kTable{};

// Everything outside ASCII begins a name and ends nothing.
inline bool is(char16_t c, uint8_t mask) { return c < 128 && (kTable.cls[c] & mask); }
inline bool isWhite(char16_t c) { return is(c, kWhite); }
inline bool endsName(char16_t c) { return is(c, kNameEnd); }
inline bool startsName(char16_t c) { return c >= 128 || (kTable.cls[c] & kNameStart); }

inline char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

}  // namespace markup::chars
