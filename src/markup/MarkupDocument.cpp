#include "markup/MarkupDocument.h"

#include <vector>

#include "markup/MarkupAttributes.h"
#include "markup/MarkupNames.h"
#include "markup/MarkupReport.h"
#include "markup/MarkupText.h"
#include "markup/MarkupTokenizer.h"

namespace markup {

MarkupDocument::MarkupDocument() { parse(); }

MarkupDocument::MarkupDocument(Reportless) : reporting_(false) { parse(); }

bool MarkupDocument::setText(std::u16string_view text) {
  text_.assign(text);
  report_.clear();
  return parse();
}

bool MarkupDocument::setText() {
  text_.clear();
  report_.clear();
  return parse();
}

std::u16string MarkupDocument::takeText() {
  std::u16string out = std::move(text_);
  text_.clear();
  index_.reset(1);
  parent_ = current_ = child_ = nodeType_ = 0;
  return out;
}

void MarkupDocument::adoptText(std::u16string&& text) {
  text_ = std::move(text);
  index_.reset(1);
  parent_ = current_ = child_ = nodeType_ = 0;
}

namespace {

struct OpenElement {
  uint32_t element;
  uint32_t nameStart;
  uint32_t nameLength;
};

bool sameName(const char16_t* a, const char16_t* b, uint32_t length, bool ignoreCase) {
  for (uint32_t i = 0; i < length; ++i) {
    if (a[i] != b[i] && !(ignoreCase && chars::lower(a[i]) == chars::lower(b[i]))) return false;
  }
  return true;
}

}  // namespace

bool MarkupDocument::parse() {
  const uint32_t size = uint32_t(text_.size());
  index_.reset(size / 64 + 8);
  parent_ = current_ = child_ = nodeType_ = 0;
  if (size == 0) return false;

  const bool ignoreCase = flags_ & kIgnoreCase;
  const char16_t* p = text_.data();
  std::vector<OpenElement> open;
  open.reserve(64);
  bool moved = false;
  MarkupTokenizer tokenizer(text_);
  MarkupNode node;
  while (tokenizer.next(node)) {
    if (node.kind == kElementNode) {
      const uint32_t parent = open.empty() ? 0 : open.back().element;
      const uint32_t n = index_.append();
      ElementRecord& r = index_[n];
      r.start = node.start;
      r.flags = uint32_t(open.size());
      r.setTagLengths(node.length, 0);
      index_.link(parent, n, index_.lastChild(parent));
      if (node.emptyElement) r.length = node.length;
      else open.push_back({n, node.start + 1, node.nameLength});
    } else if (node.kind == kEndTagNode) {
      const char16_t* name = p + node.start + 2;
      size_t match = open.size();
      while (match-- > 0) {
        const OpenElement& o = open[match];
        if (o.nameLength == node.nameLength && sameName(p + o.nameStart, name, node.nameLength, ignoreCase)) break;
      }
      if (match == size_t(-1)) {
        addDiagnostic({u"lone_end_tag", std::u16string_view(name, node.nameLength), node.start});
        index_[0].flags |= ElementRecord::kDocumentHasErrors;
        if (!open.empty()) index_[open.back().element].flags |= ElementRecord::kHasError;
        continue;
      }
      // Elements left open inside the matching one end at their start tags, outermost first, so
      // that each lifted child is re-parented once.
      for (size_t k = match + 1; k < open.size(); ++k) moved |= endUnended(open[k].element, node.start);
      ElementRecord& r = index_[open[match].element];
      r.length = node.start + node.length - r.start;
      r.setTagLengths(r.startTagLength(), node.length);
      open.resize(match);
    } else if (node.kind == kErrorNode) {
      index_[0].flags |= ElementRecord::kDocumentHasErrors;
      if (!open.empty()) index_[open.back().element].flags |= ElementRecord::kHasError;
      diagnose(node);
    }
  }
  for (const OpenElement& o : open) moved |= endUnended(o.element, size);
  if (moved) relevel();

  ElementRecord& document = index_[0];
  document.length = size;
  if (document.firstChild == 0) addDiagnostic({u"no_root_element"});
  else if (index_[document.firstChild].nextSibling != 0) addDiagnostic({u"root_has_sibling"});
  return !(document.flags & ElementRecord::kDocumentHasErrors) && document.firstChild != 0 &&
         index_[document.firstChild].nextSibling == 0;
}

void MarkupDocument::diagnose(const MarkupNode& node) {
  Diagnostic d{node.error, {}, node.errorOffset};
  if (node.errorType) d.text = node.errorType;
  addDiagnostic(d);
}

bool MarkupDocument::endUnended(uint32_t element, uint32_t endOffset) {
  ElementRecord& e = index_[element];
  e.length = e.startTagLength();
  e.setTagLengths(e.startTagLength(), 0);
  e.flags |= ElementRecord::kUnended;
  index_[0].flags |= ElementRecord::kDocumentHasErrors;
  if (reporting_ && report_.size() < kReportLimit) {
    addDiagnostic({u"unended_start_tag", tagName(element), e.start, endOffset});
  }
  if (e.firstChild == 0) return false;

  // The children move up to the parent, in order, directly after the element.
  const uint32_t first = e.firstChild, last = index_[first].previousSibling;
  for (uint32_t c = first; c != 0; c = index_[c].nextSibling) index_[c].parent = e.parent;
  index_[first].flags &= ~uint32_t(ElementRecord::kFirstChild);
  const uint32_t after = e.nextSibling;
  index_[last].nextSibling = after;
  if (after != 0) index_[after].previousSibling = last;
  else index_[index_[e.parent].firstChild].previousSibling = last;
  e.nextSibling = first;
  index_[first].previousSibling = element;
  e.firstChild = 0;
  return true;
}

void MarkupDocument::relevel() {
  // Parents always have smaller numbers than their children, so one pass in order suffices.
  for (uint32_t n = 1; n < index_.size(); ++n) {
    ElementRecord& r = index_[n];
    r.setLevel(r.parent == 0 ? 0 : index_[r.parent].level() + 1);
  }
}

std::u16string_view MarkupDocument::startTag(uint32_t element) const {
  const ElementRecord& r = index_[element];
  std::u16string_view all(text_);
  if (r.start >= all.size()) return {};
  return all.substr(r.start, r.startTagLength());
}

std::u16string MarkupDocument::tagName(uint32_t element) const {
  if (element == 0 || element >= index_.size()) return {};
  std::u16string_view tag = startTag(element);
  return std::u16string(tag.substr(1, names::nameLength(tag, 1)));
}

std::u16string MarkupDocument::attribute(uint32_t element, std::u16string_view name) const {
  if (element == 0 || element >= index_.size()) return {};
  std::u16string_view tag = startTag(element);
  auto found = findAttribute(tag, 1 + names::nameLength(tag, 1), name, flags_ & kIgnoreCase);
  std::u16string value;
  if (found) text::appendDecoded(value, tag.substr(found->valueStart, found->valueLength), 0);
  return value;
}

void MarkupDocument::setCurrentPosition(uint32_t element) {
  if (element >= index_.size()) return;
  current_ = element;
  parent_ = element ? index_[element].parent : 0;
  child_ = 0;
  nodeType_ = element ? uint32_t(kElementNode) : 0u;
}

}  // namespace markup
