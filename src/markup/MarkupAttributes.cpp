#include "markup/MarkupAttributes.h"

#include <algorithm>

#include "markup/MarkupChars.h"
#include "markup/MarkupNames.h"

namespace markup {

bool AttributeReader::next(AttributeSpan& a) {
  const uint32_t n = uint32_t(tag_.size());
  auto skipWhite = [&] {
    while (pos_ < n && chars::isWhite(tag_[pos_])) ++pos_;
  };
  // Anything that cannot begin a name (stray quotes with their contents, "/", "?", ">") is passed over.
  while (pos_ < n && chars::endsName(tag_[pos_])) {
    char16_t c = tag_[pos_];
    if (c == u'"' || c == u'\'') {
      size_t close = tag_.find(c, pos_ + 1);
      pos_ = close == std::u16string_view::npos ? n : uint32_t(close);
    }
    ++pos_;
  }
  if (pos_ >= n) return false;
  a = AttributeSpan{};
  a.nameStart = pos_;
  while (pos_ < n && !chars::endsName(tag_[pos_])) ++pos_;
  a.nameLength = pos_ - a.nameStart;
  skipWhite();
  if (pos_ >= n || tag_[pos_] != u'=') return true;
  ++pos_;
  skipWhite();
  a.hasValue = true;
  if (pos_ < n && (tag_[pos_] == u'"' || tag_[pos_] == u'\'')) {
    size_t close = tag_.find(tag_[pos_], pos_ + 1);
    if (close == std::u16string_view::npos) close = n;
    a.quoted = true;
    a.valueStart = pos_ + 1;
    a.valueLength = uint32_t(close) - a.valueStart;
    pos_ = uint32_t(std::min<size_t>(close + 1, n));
    return true;
  }
  a.valueStart = pos_;
  while (pos_ < n && !chars::isWhite(tag_[pos_]) && tag_[pos_] != u'>') ++pos_;
  a.valueLength = pos_ - a.valueStart;
  return true;
}

std::optional<AttributeSpan> findAttribute(std::u16string_view tag, uint32_t from, std::u16string_view asked,
                                           bool ignoreCase) {
  AttributeReader reader(tag, from);
  AttributeSpan a;
  while (reader.next(a)) {
    if (names::matches(asked, tag.substr(a.nameStart, a.nameLength), ignoreCase)) return a;
  }
  return std::nullopt;
}

}  // namespace markup
