// Changing the text in place: adding elements and setting attributes, with the index kept in step.
#include <algorithm>
#include <string>

#include "markup/MarkupAttributes.h"
#include "markup/MarkupChars.h"
#include "markup/MarkupDocument.h"
#include "markup/MarkupNames.h"
#include "markup/MarkupText.h"

namespace markup {

void MarkupDocument::replaceText(uint32_t at, uint32_t length, std::u16string_view with, uint32_t except) {
  text_.replace(at, length, with);
  const uint32_t delta = uint32_t(with.size()) - length;  // wraps for shrinking; sums stay right
  for (uint32_t n = 1; n < index_.size(); ++n) {
    if (n == except) continue;
    ElementRecord& r = index_[n];
    if (r.start >= at + length) r.start += delta;
    else if (r.start < at && r.start + r.length > at) r.length += delta;
  }
  index_[0].length = uint32_t(text_.size());
}

uint32_t MarkupDocument::contentEnd(uint32_t element) {
  if (element == 0) return uint32_t(text_.size());
  ElementRecord& r = index_[element];
  if (r.endTagLength() != 0) return r.start + r.length - r.endTagLength();
  std::u16string_view tag = startTag(element);
  if (tag.size() < 2 || tag.substr(tag.size() - 2) != u"/>") return r.start + r.startTagLength();
  // An empty-element tag becomes a start tag and an end tag to make room for children.
  std::u16string name = tagName(element);
  std::u16string rewritten(tag.substr(0, tag.size() - 2));
  rewritten += u"></" + name + u">";
  const uint32_t startTagLength = uint32_t(tag.size()) - 1;
  replaceText(r.start, uint32_t(tag.size()), rewritten, element);
  r.length = uint32_t(rewritten.size());
  r.setTagLengths(startTagLength, uint32_t(name.size()) + 3);
  return r.start + startTagLength;
}

bool MarkupDocument::insertElement(std::u16string_view name, std::u16string_view value, uint32_t flags,
                                   bool asChild) {
  if (name.empty() || (flags_ & kReadingPieces)) return false;
  std::u16string piece = u"<" + std::u16string(name);
  uint32_t startTagLength, endTagLength = 0;
  if (value.empty()) {
    piece += (flags & kAddOpen) ? u">" : (flags & kAddSpaceBeforeSlash) ? u" />" : u"/>";
    startTagLength = uint32_t(piece.size());
  } else {
    piece += u">";
    startTagLength = uint32_t(piece.size());
    if (flags & kAddAsCdata) {
      std::u16string safe(value);
      for (size_t at = 0; (at = safe.find(u"]]>", at)) != std::u16string::npos; at += 15) safe.replace(at, 3, u"]]]]><![CDATA[>");
      piece += u"<![CDATA[" + safe + u"]]>";
    } else {
      piece += text::encoded(value, false, flags & kAddKeepReferences);
    }
    piece += u"</" + std::u16string(name) + u">";
    endTagLength = uint32_t(name.size()) + 3;
  }
  const uint32_t elementLength = uint32_t(piece.size());
  if (!(flags & kAddNoLineBreak)) piece += u"\r\n";

  const uint32_t parent = asChild ? current_ : (current_ ? index_[current_].parent : parent_);
  uint32_t after = asChild ? child_ : current_;
  uint32_t at;
  if (after != 0) {
    // After an element and the line break that follows it, so added lines stay in order.
    at = index_[after].start + index_[after].length;
    if (std::u16string_view(text_).substr(at, 2) == u"\r\n") at += 2;
  } else {
    at = contentEnd(parent);
    after = index_.lastChild(parent);
  }
  replaceText(at, 0, piece, 0);

  const uint32_t n = index_.append();
  ElementRecord& r = index_[n];
  r.start = at;
  r.length = elementLength;
  r.setTagLengths(startTagLength, endTagLength);
  r.flags = parent ? index_[parent].level() + 1 : 0;
  index_.link(parent, n, after);
  if (asChild) {
    child_ = n;
    current_ = parent;
    parent_ = parent ? index_[parent].parent : 0;
  } else {
    current_ = n;
    parent_ = parent;
    child_ = 0;
  }
  nodeType_ = kElementNode;
  return true;
}

bool MarkupDocument::addElement(std::u16string_view name, std::u16string_view value, uint32_t flags) {
  return insertElement(name, value, flags, false);
}

bool MarkupDocument::addChildElement(std::u16string_view name, std::u16string_view value, uint32_t flags) {
  if (current_ == 0) return false;
  return insertElement(name, value, flags, true);
}

bool MarkupDocument::setAttribute(uint32_t element, std::u16string_view name, std::u16string_view value) {
  if (element == 0 || element >= index_.size() || name.empty()) return false;
  std::u16string_view tag = startTag(element);
  if (tag.size() < 2) return false;
  const std::u16string quoted = u"\"" + text::encoded(value, true, false) + u"\"";
  auto found = findAttribute(tag, 1 + names::nameLength(tag, 1), name, flags_ & kIgnoreCase);
  uint32_t at, length = 0;
  std::u16string with;
  if (!found) {
    at = uint32_t(tag.size()) - 1;
    if (tag[at - 1] == u'/') --at;
    while (at > 1 && chars::isWhite(tag[at - 1])) --at;
    with = u" " + std::u16string(name) + u"=" + quoted;
  } else if (!found->hasValue) {
    at = found->nameStart + found->nameLength;
    with = u"=" + quoted;
  } else if (found->quoted) {
    at = found->valueStart - 1;
    length = std::min<uint32_t>(found->valueLength + 2, uint32_t(tag.size()) - at);
    with = quoted;
  } else {
    at = found->valueStart;
    length = found->valueLength;
    with = quoted;
  }
  ElementRecord& r = index_[element];
  const uint32_t delta = uint32_t(with.size()) - length;
  replaceText(r.start + at, length, with, element);
  r.length += delta;
  r.setTagLengths(r.startTagLength() + delta, r.endTagLength());
  return true;
}

bool MarkupDocument::setAttribute(uint32_t element, std::u16string_view name, int64_t value) {
  std::string digits = std::to_string(value);
  return setAttribute(element, name, std::u16string(digits.begin(), digits.end()));
}

}  // namespace markup
