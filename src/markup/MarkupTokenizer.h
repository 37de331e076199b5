// Reads markup text as a sequence of nodes. Header-only so that the parse loop inlines it: one pass,
// a class table per character, no allocation.
#pragma once
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "markup/MarkupChars.h"
#include "markup/MarkupNode.h"

namespace markup {

class MarkupTokenizer {
public:
  MarkupTokenizer(std::u16string_view text, uint32_t from = 0)
      : p_(text.data()), size_(uint32_t(text.size())), pos_(from) {}

  uint32_t position() const { return pos_; }

  // False at the end of the text.
  bool next(MarkupNode& node) {
    if (pos_ >= size_) return false;
    node = MarkupNode{};
    node.start = pos_;
    if (p_[pos_] != u'<') return text(node);
    if (pos_ + 1 >= size_) return unterminated(node, u"tag");
    char16_t c = p_[pos_ + 1];
    if (chars::startsName(c)) return startTag(node);
    if (c == u'/') return endTag(node);
    if (c == u'?') return section(node, kInstructionNode, u"?>", pos_ + 2, u"processing_instruction");
    if (c == u'!') return exclamation(node);
    return malformed(node, u"first_tag_syntax", pos_);
  }

  // Position of the next "<" at or after from, or end. Four units at a time.
  static uint32_t findLess(const char16_t* p, uint32_t from, uint32_t end) {
    constexpr uint64_t kOnes = 0x0001000100010001ull, kHigh = 0x8000800080008000ull;
    constexpr uint64_t kLess = 0x003C003C003C003Cull;
    while (from + 8 <= end) {
      uint64_t a, b;
      std::memcpy(&a, p + from, 8);
      std::memcpy(&b, p + from + 4, 8);
      a ^= kLess;
      b ^= kLess;
      uint64_t ha = (a - kOnes) & ~a & kHigh, hb = (b - kOnes) & ~b & kHigh;
      if (ha) return from + uint32_t(std::countr_zero(ha) >> 4);
      if (hb) return from + 4 + uint32_t(std::countr_zero(hb) >> 4);
      from += 8;
    }
    while (from < end && p[from] != u'<') ++from;
    return from;
  }

private:
  bool finish(MarkupNode& node, uint32_t kind, uint32_t end) {
    node.kind = kind;
    node.length = end - node.start;
    pos_ = end;
    return true;
  }

  bool text(MarkupNode& node) {
    uint32_t i = pos_;
    while (i < size_ && chars::isWhite(p_[i])) ++i;
    if (i == size_ || p_[i] == u'<') return finish(node, kWhiteSpaceNode, i);
    return finish(node, kTextNode, findLess(p_, i, size_));
  }

  bool startTag(MarkupNode& node) {
    uint32_t i = pos_ + 1;
    while (i < size_ && !chars::endsName(p_[i])) ++i;
    node.nameLength = i - pos_ - 1;
    for (; i < size_; ++i) {
      char16_t c = p_[i];
      if (c >= 128 || !(chars::kTable.cls[c] & chars::kTagStop)) continue;
      if (c == u'>') {
        node.emptyElement = p_[i - 1] == u'/';
        return finish(node, kElementNode, i + 1);
      }
      i = closingQuote(i);
      if (i >= size_) break;
    }
    return unterminated(node, u"start_tag");
  }

  bool endTag(MarkupNode& node) {
    uint32_t i = pos_ + 2;
    while (i < size_ && !chars::endsName(p_[i])) ++i;
    node.nameLength = i - pos_ - 2;
    while (i < size_ && p_[i] != u'>') ++i;
    if (i >= size_) return unterminated(node, u"end_tag");
    return finish(node, kEndTagNode, i + 1);
  }

  bool exclamation(MarkupNode& node) {
    if (pos_ + 2 >= size_) return unterminated(node, u"tag");
    char16_t c = p_[pos_ + 2];
    if (c == u'-') {
      if (pos_ + 3 >= size_) return unterminated(node, u"comment");
      if (p_[pos_ + 3] != u'-') return malformed(node, u"comment_tag_syntax", pos_);
      return section(node, kCommentNode, u"-->", pos_ + 4, u"comment");
    }
    if (c == u'[') {
      if (pos_ + 3 >= size_) return unterminated(node, u"cdata_section");
      if (p_[pos_ + 3] != u'C') return malformed(node, u"cdata_section_syntax", pos_);
      return section(node, kCdataNode, u"]]>", pos_ + 3, u"cdata_section");
    }
    if (c == u'D') return docType(node);
    return malformed(node, u"exclamation_tag_syntax", pos_);
  }

  // A node that runs from its opening to the first closing text found at or after from.
  bool section(MarkupNode& node, uint32_t kind, std::u16string_view closing, uint32_t from, const char16_t* type) {
    uint32_t at = find(closing, from);
    if (at >= size_) return unterminated(node, type);
    return finish(node, kind, at + uint32_t(closing.size()));
  }

  bool docType(MarkupNode& node) {
    bool inSubset = false;
    for (uint32_t i = pos_ + 3; i < size_; ++i) {
      char16_t c = p_[i];
      if (c == u'"' || c == u'\'') {
        i = closingQuote(i);
      } else if (!inSubset) {
        if (c == u'>') return finish(node, kDocTypeNode, i + 1);
        if (c == u'[') inSubset = true;
      } else if (c == u']') {
        inSubset = false;
      } else if (c == u'<' && i + 1 < size_) {
        uint32_t end = declaration(i);
        if (end == kBadDeclaration) return malformed(node, u"doctype_tag_syntax", i);
        i = end - 1;
      }
    }
    return unterminated(node, u"document_type");
  }

  static constexpr uint32_t kBadDeclaration = 0xFFFFFFFF;

  // A markup declaration, comment or processing instruction inside the internal subset, starting at
  // its "<"; returns the position after it (the end of the text when it is unterminated).
  uint32_t declaration(uint32_t at) {
    if (p_[at + 1] == u'?') return std::min(size_, find(u"?>", at + 2) + 2);
    if (p_[at + 1] != u'!') return at + 1;
    if (at + 2 >= size_) return size_;
    char16_t c = p_[at + 2];
    if (c == u'-') return std::min(size_, find(u"-->", at + 3) + 3);
    if (c != u'E' && c != u'A' && c != u'N') return kBadDeclaration;
    for (uint32_t i = at + 3; i < size_; ++i) {
      if (p_[i] == u'>') return i + 1;
      if (p_[i] == u'"' || p_[i] == u'\'') i = closingQuote(i);
    }
    return size_;
  }

  // Position of the quote that closes the one at at, or the end of the text.
  uint32_t closingQuote(uint32_t at) const {
    char16_t q = p_[at];
    uint32_t i = at + 1;
    while (i < size_ && p_[i] != q) ++i;
    return i;
  }

  uint32_t find(std::u16string_view what, uint32_t from) const {
    for (uint32_t i = from; i + what.size() <= size_; ++i) {
      if (p_[i] == what[0] && std::u16string_view(p_ + i, what.size()) == what) return i;
    }
    return size_;
  }

  bool unterminated(MarkupNode& node, const char16_t* type) {
    node.error = u"unterminated_tag_syntax";
    node.errorType = type;
    node.errorOffset = node.start;
    return finish(node, kErrorNode, size_);
  }

  // A malformed node runs to the next ">" (or the end) and the reading goes on after it.
  bool malformed(MarkupNode& node, const char16_t* word, uint32_t offset) {
    node.error = word;
    node.errorOffset = offset;
    uint32_t i = offset + 1;
    while (i < size_ && p_[i] != u'>') ++i;
    return finish(node, kErrorNode, i < size_ ? i + 1 : size_);
  }

  const char16_t* p_;
  uint32_t size_;
  uint32_t pos_;
};

}  // namespace markup
