#include <gtest/gtest.h>

#include "markup/ElementIndex.h"
#include "markup/MarkupDocument.h"

using namespace markup;

TEST(DocumentEditing, AddsSiblingsAfterTheCurrentElement) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.addElement(u"root", {}, kAddOpen | kAddNoLineBreak));
  ASSERT_TRUE(doc.addChildElement(u"Item", u"a<b"));
  ASSERT_TRUE(doc.addChildElement(u"Item", u"x]]>y", kAddAsCdata));
  ASSERT_TRUE(doc.addChildElement(u"Empty", {}, kAddSpaceBeforeSlash | kAddNoLineBreak));
  EXPECT_EQ(doc.text(), u"<root><Item>a&lt;b</Item>\r\n<Item><![CDATA[x]]]]><![CDATA[>y]]></Item>\r\n<Empty />");
}

TEST(DocumentEditing, ChildOfAnEmptyElementReopensIt) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<root><a/><b>t</b></root>"));
  ASSERT_TRUE(doc.nextElement(u"root"));
  ASSERT_TRUE(doc.nextChildElement(u"a"));
  doc.setCurrentPosition(doc.childPosition());
  ASSERT_TRUE(doc.addChildElement(u"c", u"1", kAddNoLineBreak));
  EXPECT_EQ(doc.text(), u"<root><a><c>1</c></a><b>t</b></root>");
  // The index moved along: b's text is still found, and a now holds c.
  doc.setCurrentPosition(0);
  ASSERT_TRUE(doc.nextElement(u"root"));
  ASSERT_TRUE(doc.nextChildElement(u"b"));
  EXPECT_EQ(doc.childText(), u"t");
  EXPECT_EQ(doc.index()[0].length, doc.text().size());
  EXPECT_TRUE(doc.parse());
}

TEST(DocumentEditing, SetAttributeReplacesOrAdds) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<root><a x='1' y=2 z/><b>t</b></root>"));
  ASSERT_TRUE(doc.nextElement(u"root"));
  ASSERT_TRUE(doc.nextChildElement(u"a"));
  uint32_t a = doc.childPosition();
  EXPECT_TRUE(doc.setAttribute(a, u"x", u"\"q\" & 'r'"));
  EXPECT_TRUE(doc.setAttribute(a, u"y", int64_t(-42)));
  EXPECT_TRUE(doc.setAttribute(a, u"z", u"on"));
  EXPECT_TRUE(doc.setAttribute(a, u"w", u"new"));
  EXPECT_TRUE(doc.setAttribute(1, u"v", u"7"));
  EXPECT_EQ(doc.text(), u"<root v=\"7\"><a x=\"&quot;q&quot; &amp; &apos;r&apos;\" y=\"-42\" z=\"on\" w=\"new\"/><b>t</b></root>");
  EXPECT_EQ(doc.attribute(a, u"x"), u"\"q\" & 'r'");
  ASSERT_TRUE(doc.nextChildElement(u"b"));
  EXPECT_EQ(doc.childText(), u"t");
  EXPECT_TRUE(doc.parse());
}

TEST(DocumentEditing, ReportValuesAreEscaped) {
  MarkupDocument doc;
  EXPECT_FALSE(doc.setText(u"<r></a&b></r>"));
  EXPECT_EQ(doc.report(), u"<lone_end_tag tagname=\"a&amp;b\" offset=\"3\"/>");
}

TEST(ElementIndexSegments, GrowsAcrossSegments) {
  ElementIndex index;
  index.reset(100);
  EXPECT_EQ(index.size(), 1u);
  for (uint32_t i = 1; i < 3 * ElementIndex::kSegmentSize + 5; ++i) {
    uint32_t n = index.append();
    ASSERT_EQ(n, i);
    index[n].start = n;
  }
  EXPECT_EQ(index.segmentCount(), 4u);
  for (uint32_t n : {1u, 65535u, 65536u, 131072u, 3 * 65536u + 4}) EXPECT_EQ(index[n].start, n);
  index.reset(8);
  EXPECT_EQ(index.size(), 1u);
  EXPECT_EQ(index[0].start, 0u);
}

TEST(ElementIndexSegments, ParseReservesFromTheTextLength) {
  MarkupDocument doc;
  std::u16string text = u"<root>" + std::u16string(6400, u' ') + u"</root>";
  ASSERT_TRUE(doc.setText(text));
  EXPECT_GE(doc.index().capacity(), text.size() / 64 + 8);
}
