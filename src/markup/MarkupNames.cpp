#include "markup/MarkupNames.h"

#include "markup/MarkupChars.h"

namespace markup::names {

uint32_t nameLength(std::u16string_view text, uint32_t from) {
  uint32_t i = from;
  while (i < text.size() && !chars::endsName(text[i])) ++i;
  return i - from;
}

bool matches(std::u16string_view asked, std::u16string_view name, bool ignoreCase) {
  if (asked.size() < name.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    char16_t a = asked[i], n = name[i];
    if (a != n && !(ignoreCase && chars::lower(a) == chars::lower(n))) return false;
  }
  return asked.size() == name.size() || chars::is(asked[name.size()], chars::kFollowsName);
}

namespace {

// A small recursive-descent check over the asked name; pos_ only moves forward.
class PathCheck {
public:
  explicit PathCheck(std::u16string_view path) : s_(path) {}

  bool run() {
    if (s_.empty() || s_[0] == u'/') return false;
    for (;;) {
      if (peek() == u'@') {
        ++pos_;
        return name() && pos_ == s_.size();
      }
      if (!name()) return false;
      while (peek() == u'[')
        if (!predicate()) return false;
      if (pos_ == s_.size()) return true;
      if (peek() != u'/') return false;
      ++pos_;
    }
  }

private:
  char16_t peek() const { return pos_ < s_.size() ? s_[pos_] : u'\0'; }

  static bool nameChar(char16_t c) { return !chars::endsName(c) && c != u'[' && c != u']' && c != u'@'; }

  bool name() {
    size_t from = pos_;
    while (pos_ < s_.size() && nameChar(s_[pos_])) ++pos_;
    return pos_ > from;
  }

  bool predicate() {
    ++pos_;  // "["
    char16_t c = peek();
    if (c >= u'1' && c <= u'9') {
      while (peek() >= u'0' && peek() <= u'9') ++pos_;
    } else if (c == u'@') {
      ++pos_;
      if (!name()) return false;
      if (peek() == u'=' && !value()) return false;
    } else if (!chars::startsName(c) || !name()) {
      return false;
    }
    if (peek() != u']') return false;
    ++pos_;
    return true;
  }

  bool value() {
    ++pos_;  // "="
    char16_t q = peek();
    if (q == u'"' || q == u'\'') {
      size_t close = s_.find(q, pos_ + 1);
      if (close == std::u16string_view::npos) return false;
      pos_ = close + 1;
      return true;
    }
    size_t from = pos_;
    while (pos_ < s_.size() && s_[pos_] != u']') ++pos_;
    return pos_ > from;
  }

  std::u16string_view s_;
  size_t pos_ = 0;
};

}  // namespace

bool isSearchable(std::u16string_view asked) { return PathCheck(asked).run(); }

}  // namespace markup::names
