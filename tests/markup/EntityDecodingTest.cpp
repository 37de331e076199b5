#include <gtest/gtest.h>

#include "markup/EntityTable.h"
#include "markup/MarkupDocument.h"
#include "markup/MarkupText.h"

using namespace markup;

namespace {

std::u16string decoded(std::u16string_view text, uint32_t flags = 0) {
  std::u16string out;
  text::appendDecoded(out, text, flags);
  return out;
}

}  // namespace

TEST(EntityDecoding, PairsThatDifferByCaseMatchExactly) {
  EXPECT_EQ(decoded(u"&agrave;&Agrave;"), u"àÀ");
  EXPECT_EQ(decoded(u"&dagger;&Dagger;"), u"†‡");
  EXPECT_EQ(decoded(u"&rarr;&rArr;"), u"→⇒");
  EXPECT_EQ(decoded(u"&AGRAVE;"), u"&AGRAVE;");  // neither of the pair
  EXPECT_EQ(entities::exactCaseNameCount(), 2 * 64);  // 30 Latin-1, 24 Greek, 5 arrows, Prime, OElig, Scaron, Yuml, Dagger
}

TEST(EntityDecoding, OtherNamesMatchInAnyCase) {
  EXPECT_EQ(decoded(u"a &amp; b"), u"a & b");
  EXPECT_EQ(decoded(u"&AMP;&Lt;&NBSP;&Apos;"), u"&<\u00A0'");
  EXPECT_EQ(decoded(u"&euro;&thetasym;"), u"€ϑ");
}

TEST(EntityDecoding, TableHoldsHtml4NamesAndApos) {
  EXPECT_EQ(entities::codePoint(u"apos"), U'\'');
  EXPECT_EQ(entities::codePoint(u"nbsp"), 0xA0u);
  EXPECT_EQ(entities::codePoint(u"yuml"), 0xFFu);
  EXPECT_EQ(entities::codePoint(u"Yuml"), 0x178u);
  EXPECT_EQ(entities::codePoint(u"diams"), 0x2666u);
  EXPECT_EQ(entities::codePoint(u"nosuch"), 0u);
}

TEST(EntityDecoding, NumericReferences) {
  EXPECT_EQ(decoded(u"&#x4E2D;&#20013;&#X4e2d;"), u"中中中");
  EXPECT_EQ(decoded(u"&#x1F600;"), u"\xD83D\xDE00");
  EXPECT_EQ(decoded(u"&#128512;"), u"😀");
  EXPECT_EQ(decoded(u"&#;&#x;&#0;&#12a;&#x110000;"), u"&#;&#x;&#0;&#12a;&#x110000;");
}

TEST(EntityDecoding, UnknownOrUnfinishedReferencesStay) {
  EXPECT_EQ(decoded(u"&foo; &"), u"&foo; &");
  EXPECT_EQ(decoded(u"AT&T &amp;"), u"AT&T &");                  // the ";" is too far from the first "&"
  EXPECT_EQ(decoded(u"&abcdefghij;"), u"&abcdefghij;");         // ten characters before ";"
  EXPECT_EQ(decoded(u"&am中p;&amp"), u"&am中p;&amp");            // non-ASCII and end of text
  EXPECT_EQ(decoded(u"&&amp;"), u"&&");
}

TEST(EntityDecoding, TrimAndCollapseFlags) {
  EXPECT_EQ(decoded(u"  a \r\n b  ", kTrimText), u"a \r\n b");
  EXPECT_EQ(decoded(u"  a \r\n\tb  c ", kCollapseText), u"a b c");
  EXPECT_EQ(decoded(u" \t ", kCollapseText), u"");
}

TEST(EntityDecoding, ElementTextDecodesOnRequest) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<root><Item>a &amp; b</Item></root>"));
  ASSERT_TRUE(doc.nextElement(u"root"));
  ASSERT_TRUE(doc.nextChildElement(u"Item"));
  EXPECT_EQ(doc.childText(), u"a & b");
  EXPECT_NE(doc.text().find(u"&amp;"), std::u16string::npos);  // the text itself is untouched
}

TEST(EntityEncoding, EscapesForTextAndAttributes) {
  EXPECT_EQ(text::encoded(u"a<b>&\"'", false, false), u"a&lt;b&gt;&amp;\"'");
  EXPECT_EQ(text::encoded(u"a<b>&\"'", true, false), u"a&lt;b&gt;&amp;&quot;&apos;");
  EXPECT_EQ(text::encoded(u"&amp; &#20013; & &x", false, true), u"&amp; &#20013; &amp; &amp;x");
}
