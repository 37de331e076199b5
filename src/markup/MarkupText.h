// Values in and out of markup: character references decoded on reading, special characters
// escaped on writing.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace markup::text {

inline constexpr uint32_t kTrimWhite = 0x100;      // leave out leading and trailing white space
inline constexpr uint32_t kCollapseWhite = 0x200;  // and make each inner run of it one space

// Appends text with its character references (named, decimal, hexadecimal) decoded. A reference
// that does not decode (unknown name, no digits, no ";" within nine characters) stays as written.
void appendDecoded(std::u16string& out, std::u16string_view text, uint32_t flags);

// Escapes "&", "<" and ">", and for attribute values also both quotes. With keepReferences an "&"
// that already starts a well-formed reference is left alone.
std::u16string encoded(std::u16string_view text, bool forAttribute, bool keepReferences);

}  // namespace markup::text
