// Encoding names as markup files declare them, turned into Windows code page numbers.
#pragma once
#include <string_view>

namespace markup::encoding {

inline constexpr int kAnsi = 0;         // the system's ANSI code page
inline constexpr int kUtf16 = 1200;     // the wide text itself
inline constexpr int kUtf8 = 65001;
inline constexpr int kUtf32 = 65005;    // this reader's own number for UTF-32, converted by itself
inline constexpr int kUnknown = -1;     // treated as the ANSI code page

inline constexpr int kNameCount = 365;
inline constexpr int kCodePageCount = 110;
inline constexpr int kBucketCount = 155;

// Empty gives kAnsi; a name starting with exactly "UTF-32" gives kUtf32; other names of fewer than
// 100 characters are looked up with A-Z folded; anything else gives kUnknown.
int encodingCodePage(std::u16string_view name);

// Every code page of the name table once, in ascending order (for tests and the inspector).
const int* tableCodePages(int& count);

}  // namespace markup::encoding
