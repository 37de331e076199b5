// Walking the element index and cutting values out of the text.
#include "markup/MarkupDocument.h"
#include "markup/MarkupNames.h"
#include "markup/MarkupText.h"
#include "markup/MarkupTokenizer.h"

namespace markup {

bool MarkupDocument::matchesName(uint32_t element, std::u16string_view asked) const {
  if (asked.empty()) return true;
  std::u16string_view tag = startTag(element);
  return names::matches(asked, tag.substr(1, names::nameLength(tag, 1)), flags_ & kIgnoreCase);
}

bool MarkupDocument::nextElement(std::u16string_view name) {
  if ((flags_ & kWritingPieces) || index_.size() <= 1) return false;
  if (!name.empty() && !names::isSearchable(name)) return false;
  uint32_t e = current_ ? index_[current_].nextSibling : index_[parent_].firstChild;
  for (; e != 0; e = index_[e].nextSibling) {
    if (!matchesName(e, name)) continue;
    current_ = e;
    parent_ = index_[e].parent;
    child_ = 0;
    nodeType_ = kElementNode;
    return true;
  }
  return false;
}

bool MarkupDocument::nextChildElement(std::u16string_view name) {
  if (flags_ & (kReadingPieces | kWritingPieces)) return false;
  if (current_ == 0 && !nextElement()) return false;
  if (!name.empty() && !names::isSearchable(name)) return false;
  uint32_t e = child_ ? index_[child_].nextSibling : index_[current_].firstChild;
  for (; e != 0; e = index_[e].nextSibling) {
    if (!matchesName(e, name)) continue;
    child_ = e;
    parent_ = index_[current_].parent;
    return true;
  }
  return false;
}

namespace {

// What lies between an opening of skip characters and a closing of cut characters, when it fits.
std::u16string_view inner(std::u16string_view node, size_t skip, size_t cut) {
  if (node.size() < skip + cut) return node.substr(std::min(skip, node.size()), 0);
  return node.substr(skip, node.size() - skip - cut);
}

}  // namespace

std::u16string MarkupDocument::elementText(uint32_t element) const {
  std::u16string out;
  if (element == 0 || element >= index_.size()) return out;
  const ElementRecord& r = index_[element];
  if (r.firstChild != 0 || (r.flags & ElementRecord::kUnended) || r.endTagLength() == 0) return out;
  const size_t end = std::min<size_t>(text_.size(), size_t(r.start) + r.length - r.endTagLength());
  const size_t begin = std::min<size_t>(end, size_t(r.start) + r.startTagLength());
  std::u16string_view content = std::u16string_view(text_).substr(begin, end - begin);
  if (content.find(u'<') == std::u16string_view::npos) {
    text::appendDecoded(out, content, flags_);
    return out;
  }
  MarkupTokenizer tokenizer(content);
  MarkupNode node;
  while (tokenizer.next(node)) {
    std::u16string_view span = content.substr(node.start, node.length);
    if (node.kind == kTextNode) text::appendDecoded(out, span, flags_);
    else if (node.kind == kCdataNode) out.append(inner(span, 9, 3));
  }
  return out;
}

}  // namespace markup
