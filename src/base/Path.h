// Paths are joined by plain concatenation with the platform's separator.
#pragma once
#include <string>

namespace base {

#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

inline std::u16string joinPath(std::u16string folder, std::u16string_view name) {
  folder += kPathSeparator;
  folder += name;
  return folder;
}

// The part after the last separator (either kind), or the whole text.
inline std::u16string_view fileNamePart(std::u16string_view path) {
  size_t cut = path.find_last_of(u"\\/");
  return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}

}  // namespace base
