// Converting markup files between encodings and finding which encoding a file uses.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace markup::encoding {

// The UTF-8 test of a load: bytes up to count or the first NUL. A lead byte announces its
// continuation bytes by its bits (0xF8 and above fail); each must be present and at least 0x80.
// endedInside, when given, tells whether the only fault was that count ended inside a character.
bool isUtf8(const char* bytes, size_t count, bool* endedInside = nullptr);

// The encoding named by an XML declaration at the very start of the text, or by the http-equiv
// Content-Type meta element of an HTML head; empty when there is none.
std::u16string detectDeclaredEncoding(std::u16string_view text);

// Converts between two named encodings. UTF-16 input and output are little-endian 16-bit units
// and UTF-32 (kUtf32) 32-bit ones; sizes are in bytes. With no output the size needed is returned;
// otherwise the bytes written, or 0 when capacity is too small. lost reports a character without
// an equivalent in the target page, for the pages that can tell.
size_t convert(std::u16string_view fromName, std::u16string_view toName, const void* input, size_t inputBytes,
               void* output, size_t capacity, bool* lost = nullptr);

// Bytes of a named code page (a page this platform cannot convert falls back to the ANSI page, as
// an unknown name does) into wide text.
std::u16string toWide(int codePage, std::string_view bytes);

// Whether converting to the page can report a character without equivalent.
bool reportsLoss(int codePage);

}  // namespace markup::encoding
