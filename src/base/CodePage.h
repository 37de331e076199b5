// Bytes <-> UTF-16 for Windows code page numbers.
#pragma once
#include <string>
#include <string_view>

namespace base::codepage {

inline constexpr unsigned kUtf16 = 1200;
inline constexpr unsigned kUtf8 = 65001;

// GetACP() on Windows; natively 936, the page of the Chinese Windows the gallery is made for.
unsigned ansiCodePage();

// Whether this platform can convert the page at all.
bool isSupported(unsigned codePage);

// As MultiByteToWideChar with flags 0: undecodable bytes become U+FFFD. False when the page is unknown.
bool toWide(unsigned codePage, std::string_view bytes, std::u16string& text);

// As WideCharToMultiByte with flags 0 and no default character. usedDefault, when given, reports
// whether a character had no equivalent. False when the page is unknown.
bool fromWide(unsigned codePage, std::u16string_view text, std::string& bytes, bool* usedDefault = nullptr);

}  // namespace base::codepage
