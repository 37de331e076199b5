// The attributes written in one tag, read in place.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace markup {

struct AttributeSpan {
  uint32_t nameStart = 0;
  uint32_t nameLength = 0;
  uint32_t valueStart = 0;   // inside the quotes, when quoted
  uint32_t valueLength = 0;
  bool hasValue = false;     // an "=" followed
  bool quoted = false;
};

// Walks name="value" pairs of a tag's text from a position after the tag's own name. Positions
// are offsets into that tag text.
class AttributeReader {
public:
  AttributeReader(std::u16string_view tag, uint32_t from) : tag_(tag), pos_(from) {}
  bool next(AttributeSpan& attribute);

private:
  std::u16string_view tag_;
  uint32_t pos_;
};

// The first attribute whose name the asked name matches (the rule of markup/MarkupNames.h).
std::optional<AttributeSpan> findAttribute(std::u16string_view tag, uint32_t from, std::u16string_view asked,
                                           bool ignoreCase);

}  // namespace markup
