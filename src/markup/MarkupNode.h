// One node of markup text as the tokenizer finds it: kind and span, never a copy of the text.
#pragma once
#include <cstdint>

namespace markup {

enum NodeKind : uint32_t {
  kEndTagNode = 0,
  kElementNode = 1,
  kTextNode = 2,
  kWhiteSpaceNode = 4,
  kCdataNode = 8,
  kInstructionNode = 16,
  kCommentNode = 32,
  kDocTypeNode = 64,
  kErrorNode = 0x8000,  // malformed or unterminated markup; error says which
};

struct MarkupNode {
  uint32_t kind = kTextNode;
  uint32_t start = 0;
  uint32_t length = 0;
  uint32_t nameLength = 0;       // tags: the name right after "<" or "</"
  bool emptyElement = false;     // a start tag ending in "/>"
  const char16_t* error = nullptr;      // diagnostic word of an error node
  const char16_t* errorType = nullptr;  // for "unterminated_tag_syntax": which kind of node
  uint32_t errorOffset = 0;
};

}  // namespace markup
