// The plain substring arithmetic the gallery's own files are scanned with. Positions are signed:
// -1 stands for "not found", and a search from a negative position finds nothing, so a failed
// search carries through the searches built on it the way the files have always been read.
#pragma once
#include <cstddef>
#include <string_view>

namespace library {

using TextPos = std::ptrdiff_t;
inline constexpr TextPos kNotFound = -1;

inline TextPos findIn(std::u16string_view text, std::u16string_view what, TextPos from) {
  if (from < 0 || size_t(from) > text.size()) return kNotFound;
  size_t at = text.find(what, size_t(from));
  return at == std::u16string_view::npos ? kNotFound : TextPos(at);
}

// The text from a up to but not including b; empty when b is not past a.
inline std::u16string_view between(std::u16string_view text, TextPos a, TextPos b) {
  if (a < 0) a = 0;
  if (b <= a || size_t(a) >= text.size()) return {};
  return text.substr(size_t(a), size_t(b - a));
}

// One searched string, remembering its last answer. Scans mostly search forward, and a tag missing
// from one element is searched for again from every later element; the memory keeps such a file
// from being read to its end once per element.
class TextSearch {
public:
  TextSearch(std::u16string_view text, std::u16string_view what) : text_(text), what_(what) {}

  TextPos from(TextPos start) {
    if (start < 0) return kNotFound;
    bool stillValid = start >= askedFrom_ && (found_ == kNotFound || found_ >= start);
    if (askedFrom_ < 0 || !stillValid) {
      askedFrom_ = start;
      found_ = findIn(text_, what_, start);
    }
    return found_;
  }

private:
  std::u16string_view text_;
  std::u16string_view what_;
  TextPos askedFrom_ = -1;
  TextPos found_ = kNotFound;
};

}  // namespace library
