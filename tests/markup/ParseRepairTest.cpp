#include <gtest/gtest.h>

#include "markup/MarkupDocument.h"

using namespace markup;

namespace {

uint32_t findElement(const MarkupDocument& doc, std::u16string_view name) {
  for (uint32_t n = 1; n < doc.index().size(); ++n)
    if (doc.tagName(n) == name) return n;
  return 0;
}

}  // namespace

TEST(ParseRepair, WellFormedDocumentHasCleanIndex) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<?xml version=\"1.0\"?>\r\n<root a=\"x>y\"><a><b/></a><c>t</c></root>"));
  EXPECT_EQ(doc.report(), u"");
  const ElementIndex& index = doc.index();
  ASSERT_EQ(index.size(), 5u);
  EXPECT_EQ(index[0].firstChild, 1u);
  EXPECT_EQ(index[0].length, doc.text().size());
  EXPECT_EQ(index[1].startTagLength(), 14u);
  EXPECT_EQ(index[1].endTagLength(), 7u);
  EXPECT_EQ(index[3].level(), 2u);
  EXPECT_EQ(index[3].length, 4u);               // empty-element tag
  EXPECT_EQ(index[2].nextSibling, 4u);
  EXPECT_EQ(index[2].previousSibling, 4u);      // a first child points at the last child
  EXPECT_TRUE(index[2].flags & ElementRecord::kFirstChild);
  EXPECT_FALSE(index[4].flags & ElementRecord::kFirstChild);
}

TEST(ParseRepair, UnendedElementEndsAtItsStartTag) {
  MarkupDocument doc;
  EXPECT_FALSE(doc.setText(u"<root><a><b></a></root>"));
  EXPECT_EQ(doc.report(), u"<unended_start_tag tagname=\"b\" offset=\"9\" offset2=\"12\"/>");
  uint32_t a = findElement(doc, u"a"), b = findElement(doc, u"b");
  const ElementRecord& rb = doc.index()[b];
  EXPECT_TRUE(rb.flags & ElementRecord::kUnended);
  EXPECT_EQ(rb.length, 3u);
  EXPECT_EQ(rb.endTagLength(), 0u);
  EXPECT_EQ(doc.index()[a].length, 10u);
  EXPECT_FALSE(doc.index()[a].flags & ElementRecord::kUnended);
  EXPECT_TRUE(doc.index()[0].flags & ElementRecord::kDocumentHasErrors);
}

TEST(ParseRepair, ChildrenOfUnendedElementMoveUpInOrder) {
  MarkupDocument doc;
  EXPECT_FALSE(doc.setText(u"<root><p><i>1</i><i>2</i><q><i>3</i></root>"));
  uint32_t root = findElement(doc, u"root");
  std::vector<std::u16string> children;
  for (uint32_t c = doc.index()[root].firstChild; c; c = doc.index()[c].nextSibling) {
    children.push_back(doc.tagName(c) + u":" + doc.elementText(c));
    EXPECT_EQ(doc.index()[c].level(), 1u);
    EXPECT_EQ(doc.index()[c].parent, root);
  }
  EXPECT_EQ(children, (std::vector<std::u16string>{u"p:", u"i:1", u"i:2", u"q:", u"i:3"}));
  EXPECT_EQ(doc.index()[doc.index()[root].firstChild].previousSibling, uint32_t(doc.index().size() - 1));
}

TEST(ParseRepair, LoneEndTagIsReportedAndIgnored) {
  MarkupDocument doc;
  EXPECT_FALSE(doc.setText(u"<root></x><Item>v</Item></root>"));
  EXPECT_EQ(doc.report(), u"<lone_end_tag tagname=\"x\" offset=\"6\"/>");
  EXPECT_TRUE(doc.index()[1].flags & ElementRecord::kHasError);
  ASSERT_TRUE(doc.nextElement(u"root"));
  ASSERT_TRUE(doc.nextChildElement(u"Item"));
  EXPECT_EQ(doc.childText(), u"v");
}

TEST(ParseRepair, ElementsStillOpenAtTheEndAreUnended) {
  MarkupDocument doc;
  EXPECT_FALSE(doc.setText(u"<root><Item>x"));
  EXPECT_EQ(doc.report(),
            u"<unended_start_tag tagname=\"root\" offset=\"0\" offset2=\"13\"/>"
            u"<unended_start_tag tagname=\"Item\" offset=\"6\" offset2=\"13\"/><root_has_sibling/>");
}

TEST(ParseRepair, RootProblems) {
  MarkupDocument doc;
  EXPECT_FALSE(doc.setText(u"<a/><b/>"));
  EXPECT_EQ(doc.report(), u"<root_has_sibling/>");
  EXPECT_FALSE(doc.setText(u"<!-- only a comment -->"));
  EXPECT_EQ(doc.report(), u"<no_root_element/>");
  EXPECT_FALSE(doc.setText(u""));
  EXPECT_EQ(doc.report(), u"");
  EXPECT_EQ(doc.index().size(), 1u);
  EXPECT_FALSE(doc.nextElement());
}

TEST(ParseRepair, TokenizerErrorsAreReportedWithOffsets) {
  MarkupDocument doc;
  EXPECT_FALSE(doc.setText(u"<r><!x><!-x><![x>< x></r>"));
  EXPECT_EQ(doc.report(),
            u"<exclamation_tag_syntax offset=\"3\"/><comment_tag_syntax offset=\"7\"/>"
            u"<cdata_section_syntax offset=\"12\"/><first_tag_syntax offset=\"17\"/>");
  EXPECT_TRUE(doc.index()[1].flags & ElementRecord::kHasError);
  EXPECT_FALSE(doc.setText(u"<r><!DOCTYPE r [<!ELEMENT r ANY><!x>]></r>"));
  EXPECT_EQ(doc.report(), u"<doctype_tag_syntax offset=\"32\"/>");
  EXPECT_TRUE(doc.setText(u"<!DOCTYPE r [<!ENTITY e \"a>b\"><!-- ] --><?p x?>]><r/>"));
}

TEST(ParseRepair, UnterminatedNodesNameTheirKind) {
  struct Case {
    std::u16string_view text, type;
  } cases[] = {
      {u"<r/><a b='>", u"start_tag"},     {u"<r/></r", u"end_tag"},  {u"<r/><![CDATA[x]>", u"cdata_section"},
      {u"<r/><?pi ?", u"processing_instruction"}, {u"<r/><!-- -", u"comment"},
      {u"<r/><!DOCTYPE [", u"document_type"},     {u"<r/><", u"tag"},
  };
  for (const Case& c : cases) {
    MarkupDocument doc;
    EXPECT_FALSE(doc.setText(c.text));
    EXPECT_EQ(doc.report(), u"<unterminated_tag_syntax type=\"" + std::u16string(c.type) + u"\" offset=\"4\"/>")
        << std::string(c.type.begin(), c.type.end());
  }
}

TEST(ParseRepair, CdataAndCommentsInsideText) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<root><Item><![CDATA[<b>&amp;]]></Item><Item>a<!-- c -->&lt;<?p?> <![CDATA[x]]></Item></root>"));
  ASSERT_TRUE(doc.nextElement(u"root"));
  ASSERT_TRUE(doc.nextChildElement(u"Item"));
  EXPECT_EQ(doc.childText(), u"<b>&amp;");
  ASSERT_TRUE(doc.nextChildElement(u"Item"));
  EXPECT_EQ(doc.childText(), u"a<x");
  EXPECT_EQ(doc.elementText(1), u"");  // an element with children has no text
  EXPECT_EQ(doc.elementText(0), u"");
}

TEST(ParseRepair, IgnoreCaseFlagMatchesEndTagsAndNames) {
  MarkupDocument doc;
  EXPECT_FALSE(doc.setText(u"<ROOT><item>x</ITEM></root>"));
  doc.setFlags(kIgnoreCase);
  ASSERT_TRUE(doc.setText(u"<ROOT><item>x</ITEM></root>"));
  ASSERT_TRUE(doc.nextElement(u"root"));
  ASSERT_TRUE(doc.nextChildElement(u"Item"));
  EXPECT_EQ(doc.childText(), u"x");
}

TEST(ParseRepair, NamesMayStartWithAnyNonAsciiCharacter) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<图块><名称>墨</名称></图块>"));
  ASSERT_TRUE(doc.nextElement(u"图块"));
  ASSERT_TRUE(doc.nextChildElement(u"名称"));
  EXPECT_EQ(doc.childText(), u"墨");
}

TEST(ParseRepair, ReportStopsGrowingPastItsLimit) {
  std::u16string text = u"<r>";
  for (int i = 0; i < 200; ++i) text += u"</x>";
  text += u"</r>";
  MarkupDocument doc;
  EXPECT_FALSE(doc.setText(text));
  EXPECT_GE(doc.report().size(), 1000u);
  EXPECT_LT(doc.report().size(), 1100u);
}
