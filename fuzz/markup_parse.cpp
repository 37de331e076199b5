// Arbitrary text through parse, navigation, text decoding and editing of the result report.
#include <cstddef>
#include <cstdint>
#include <string>

#include "markup/MarkupDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) text[i] = char16_t(data[2 * i] | data[2 * i + 1] << 8);
  markup::MarkupDocument doc;
  doc.setFlags(size % 3 == 0 ? markup::kIgnoreCase | markup::kCollapseText : 0);
  doc.setText(text);
  for (uint32_t n = 1; n < doc.index().size(); ++n) {
    doc.elementText(n);
    doc.tagName(n);
  }
  while (doc.nextElement())
    while (doc.nextChildElement()) doc.childText();
  doc.setCurrentPosition(doc.index().size() > 1 ? 1 : 0);
  if (doc.currentPosition()) {
    doc.setAttribute(1, u"a", u"<\"&'>");
    doc.addChildElement(u"x", u"]]>", markup::kAddAsCdata);
    doc.addElement(u"y");
    doc.parse();
  }
  return 0;
}
