#include <gtest/gtest.h>

#include <set>

#include "markup/EncodingNames.h"
#include "markup/MarkupEncoding.h"

using namespace markup::encoding;

TEST(EncodingNames, LookUpFoldsCase) {
  EXPECT_EQ(encodingCodePage(u"gb2312"), 936);
  EXPECT_EQ(encodingCodePage(u"GBK"), 936);
  EXPECT_EQ(encodingCodePage(u"Big5"), 950);
  EXPECT_EQ(encodingCodePage(u"utf-8"), 65001);
  EXPECT_EQ(encodingCodePage(u"UTF-16LE"), 1200);
  EXPECT_EQ(encodingCodePage(u"ISO_8859-1:1987"), 28591);
  EXPECT_EQ(encodingCodePage(u"_iso-2022-jp$SIO"), 50222);
  EXPECT_EQ(encodingCodePage(u"cp1256 "), 1256);  // the table holds this name with its trailing space
}

TEST(EncodingNames, SpecialAndUnknownNames) {
  EXPECT_EQ(encodingCodePage(u""), kAnsi);
  EXPECT_EQ(encodingCodePage(u"UTF-32BE"), kUtf32);  // anything starting with "UTF-32" exactly
  EXPECT_EQ(encodingCodePage(u"utf-32be"), 12001);
  EXPECT_EQ(encodingCodePage(u"klingon"), kUnknown);
  EXPECT_EQ(encodingCodePage(std::u16string(100, u'a')), kUnknown);
  EXPECT_EQ(encodingCodePage(u"gb2312 "), kUnknown);
}

TEST(EncodingNames, TableHasAllPages) {
  int count = 0;
  const int* pages = tableCodePages(count);
  EXPECT_EQ(count, kCodePageCount);
  std::set<int> distinct(pages, pages + count);
  EXPECT_EQ(distinct.size(), size_t(kCodePageCount));
  EXPECT_TRUE(distinct.count(154) && distinct.count(65001) && distinct.count(57011));
}

TEST(Utf8Test, PassesAndFails) {
  EXPECT_TRUE(isUtf8("plain ascii text, long enough for words", 39));
  EXPECT_TRUE(isUtf8("\xE4\xB8\xAD\xE6\x96\x87", 6));
  // Continuation bytes are only checked for their top bit, so some GBK pairs pass ...
  EXPECT_TRUE(isUtf8("\xD6\xD0\xCE\xC4", 4));
  // ... while most GBK text does not: B4 announces three continuations and "A" is none.
  EXPECT_FALSE(isUtf8("\xB4\xF3\x41\x42", 4));
  EXPECT_FALSE(isUtf8("a\xF8\x80\x80\x80\x80", 6));
  EXPECT_TRUE(isUtf8("abc\0\xFF", 5));                 // the scan stops at the first NUL
  bool endedInside = false;
  EXPECT_FALSE(isUtf8("ab\xE4\xB8", 4, &endedInside));
  EXPECT_TRUE(endedInside);
  EXPECT_FALSE(isUtf8("\xE4\x41\xAD", 3, &endedInside));
  EXPECT_FALSE(endedInside);
}

TEST(DeclaredEncoding, XmlDeclarationAtTheVeryStart) {
  EXPECT_EQ(detectDeclaredEncoding(u"<?xml version=\"1.0\" encoding=\"gb2312\"?><r/>"), u"gb2312");
  EXPECT_EQ(detectDeclaredEncoding(u"<?XML Encoding='GBK'?>"), u"GBK");
  EXPECT_EQ(detectDeclaredEncoding(u"<?xml version=\"1.0\"?><r/>"), u"");
  EXPECT_EQ(detectDeclaredEncoding(u" <?xml version=\"1.0\" encoding=\"gb2312\"?>"), u"");
  EXPECT_EQ(detectDeclaredEncoding(u"<r/><?xml encoding=\"gb2312\"?>"), u"");
}

TEST(DeclaredEncoding, HtmlMetaInTheHead) {
  EXPECT_EQ(detectDeclaredEncoding(u"<!DOCTYPE html><html><head><title>t</title>"
                                   u"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=big5\"></head>"),
            u"big5");
  EXPECT_EQ(detectDeclaredEncoding(u"<html><head></head><body><meta http-equiv=\"content-type\" "
                                   u"content=\"text/html; charset=big5\">"),
            u"");
  EXPECT_EQ(detectDeclaredEncoding(u"<body><meta http-equiv=\"Content-Type\" content=\"charset=big5\">"), u"");
  EXPECT_EQ(detectDeclaredEncoding(u"<html><meta http-equiv=\"Refresh\" content=\"charset=big5\">"), u"");
  EXPECT_EQ(detectDeclaredEncoding(u"<html><!x><meta http-equiv=\"Content-Type\" content=\"charset=big5\">"), u"");
}

namespace {

std::string converted(std::u16string_view from, std::u16string_view to, std::string_view in, bool* lost = nullptr) {
  size_t need = convert(from, to, in.data(), in.size(), nullptr, 0);
  std::string out(need, '\0');
  EXPECT_EQ(convert(from, to, in.data(), in.size(), out.data(), out.size(), lost), need);
  return out;
}

std::string wide(std::u16string_view units) { return std::string(reinterpret_cast<const char*>(units.data()), units.size() * 2); }

}  // namespace

TEST(Convert, BetweenPagesAndUtf16) {
  EXPECT_EQ(converted(u"gbk", u"utf-16", "\xD6\xD0"), wide(u"中"));
  EXPECT_EQ(converted(u"utf-16", u"big5", wide(u"中")), "\xA4\xA4");
  EXPECT_EQ(converted(u"utf-8", u"gb2312", "\xE4\xB8\xAD"), "\xD6\xD0");
  EXPECT_EQ(convert(u"utf-8", u"utf-16", "abc", 3, nullptr, 0), 6u);
  char small[2];
  EXPECT_EQ(convert(u"utf-8", u"utf-16", "abc", 3, small, sizeof small), 0u);
}

TEST(Convert, LossIsNotedOnlyWherePagesCanTell) {
  bool lost = false;
  converted(u"utf-16", u"windows-1252", wide(u"a中"), &lost);
  EXPECT_TRUE(lost);
  converted(u"utf-16", u"windows-1252", wide(u"café"), &lost);
  EXPECT_FALSE(lost);
  converted(u"utf-16", u"gb18030", wide(u"a中"), &lost);
  EXPECT_FALSE(lost);
  EXPECT_FALSE(reportsLoss(54936));
  EXPECT_FALSE(reportsLoss(57005));
  EXPECT_TRUE(reportsLoss(936));
}

TEST(Convert, OwnUtf32) {
  const std::string utf32("\x2D\x4E\x00\x00\x00\xF6\x01\x00", 8);  // U+4E2D, U+1F600
  EXPECT_EQ(converted(u"UTF-32", u"utf-8", utf32), "\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(converted(u"UTF-32", u"utf-16", utf32), wide(u"中\xD83D\xDE00"));
  EXPECT_EQ(converted(u"UTF-32", u"gbk", utf32), "");
  EXPECT_EQ(converted(u"utf-16", u"UTF-32", wide(u"中\xD83D\xDE00")), utf32);
  EXPECT_EQ(converted(u"utf-16", u"UTF-32", wide(u"a\xD83D")), std::string("a\0\0\0?\0\0\0", 8));
  EXPECT_EQ(converted(u"utf-8", u"UTF-32", "\xE4\xB8\xAD\xFF"), std::string("\x2D\x4E\0\0?\0\0\0", 8));
  EXPECT_EQ(converted(u"gbk", u"UTF-32", "\xD6\xD0"), "");
}

TEST(Convert, UnknownNamesAreTheAnsiPage) {
  EXPECT_EQ(converted(u"no-such-encoding", u"utf-16", "\xD6\xD0"), wide(u"中"));
  EXPECT_EQ(toWide(kUnknown < 0 ? 0 : kUnknown, "\xD6\xD0"), u"中");
}
