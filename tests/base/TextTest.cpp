#include <gtest/gtest.h>

#include "base/Text.h"

using namespace base;

TEST(Text, Utf8RoundTripKeepsChineseAndAstralCharacters) {
  const std::u16string text = u"墨匣 DWG图纸 \U0001F600";
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);
  EXPECT_EQ(toUtf8(u"图"), "\xE5\x9B\xBE");
  EXPECT_EQ(toUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(Text, BrokenInputBecomesReplacementCharacters) {
  EXPECT_EQ(fromUtf8("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(fromUtf8("\xE5\x9B"), u"\uFFFD\uFFFD");           // cut short
  EXPECT_EQ(fromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");           // overlong slash
  EXPECT_EQ(fromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(fromUtf8("\xF8\x80\x80"), u"\uFFFD\uFFFD\uFFFD");  // no lead byte above F4
  EXPECT_EQ(fromUtf8("\xFF\xBF\xBF"), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Text, WtoiReadsLikeTheRuntime) {
  EXPECT_EQ(wtoi(u" 321"), 321);
  EXPECT_EQ(wtoi(u"  -42abc"), -42);
  EXPECT_EQ(wtoi(u"+7"), 7);
  EXPECT_EQ(wtoi(u"0x1F"), 0);
  EXPECT_EQ(wtoi(u"word 12"), 0);
  EXPECT_EQ(wtoi(u""), 0);
  EXPECT_EQ(wtoi(u"\t\r\n 9"), 9);
  EXPECT_EQ(wtoi(u"4294967297"), 1);  // wraps at 32 bits, no undefined behaviour
}

TEST(Text, RemoveAndReplaceEveryOccurrence) {
  std::u16string line = u"arx show 12 arx show";
  removeAll(line, u"arx show");
  EXPECT_EQ(line, u" 12 ");
  std::u16string name = u"Tree.dwg.dwg";
  replaceAll(name, u".dwg", u"");
  EXPECT_EQ(name, u"Tree");
  std::u16string same = u"abc";
  removeAll(same, u"");
  EXPECT_EQ(same, u"abc");
}

TEST(Text, FormatFillsIntegersAndTexts) {
  EXPECT_EQ((Format(u"已下载%d个，共%s") % 3 % u"图块").str(), u"已下载3个，共图块");
  EXPECT_EQ((Format(u"100%% %d%%") % 5).str(), u"100% 5%");
  EXPECT_EQ((Format(u"no fields") % 1).str(), u"no fields1");
}

TEST(Text, TrimAndCaseHelpers) {
  EXPECT_EQ(trimmed(u" \t id 1 \r\n"), u"id 1");
  EXPECT_TRUE(equalsIgnoreAsciiCase(u"HTTP://", u"http://"));
  EXPECT_FALSE(equalsIgnoreAsciiCase(u"Ä", u"ä"));
  EXPECT_EQ(asciiLowered(u"LPT1.Dwg 园林Ä"), u"lpt1.dwg 园林Ä");
  EXPECT_TRUE(endsWith(u"a.xml", u".xml"));
  EXPECT_FALSE(startsWith(u"a", u"ab"));
}
