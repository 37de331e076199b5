// UTF-16 text handed to and taken from the Windows wide API (wchar_t is 16 bits there).
// Included only by *_win.cpp files.
#pragma once
#include <string>
#include <string_view>

namespace base {

inline const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline std::u16string fromWide(const wchar_t* text) {
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string();
}
inline std::u16string fromWide(const wchar_t* text, size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

}  // namespace base
