// Which code pages of the encoding table this platform converts; the rest are read as ANSI.
#include <gtest/gtest.h>

#include <set>

#include "base/CodePage.h"
#include "markup/EncodingNames.h"
#include "markup/MarkupEncoding.h"

using namespace markup;

namespace {

// Pages of the table that glibc iconv has no converter for.
const std::set<int> kWithoutIconv = {720,   853,   10001, 10002, 10003, 10004, 10005, 10006, 10008, 10010, 10021,
                                     10081, 10082, 20001, 20002, 20003, 20004, 20005, 20105, 29001, 52936, 57002,
                                     57003, 57004, 57005, 57006, 57007, 57008, 57009, 57010, 57011};

}  // namespace

TEST(CodePageCoverage, EveryOtherTablePageConverts) {
  int count = 0;
  const int* pages = encoding::tableCodePages(count);
  std::set<int> missing;
  for (int i = 0; i < count; ++i)
    if (!base::codepage::isSupported(unsigned(pages[i]))) missing.insert(pages[i]);
  EXPECT_EQ(missing, kWithoutIconv);
}

TEST(CodePageCoverage, MissingPagesFallBackToAnsi) {
  // 936 is the ANSI page here: GBK bytes read as the Mac Thai page come out as Chinese.
  EXPECT_EQ(encoding::toWide(10021, "\xD6\xD0"), u"中");
  EXPECT_EQ(encoding::toWide(52936, "\xD6\xD0"), u"中");
}

TEST(CodePageCoverage, SomeConvertedPages) {
  EXPECT_EQ(encoding::toWide(20866, "\xC1"), u"а");        // KOI8-R
  EXPECT_EQ(encoding::toWide(1201, std::string("\x4E\x2D", 2)), u"中");
  EXPECT_EQ(encoding::toWide(932, "\x93\xFA"), u"日");
  EXPECT_EQ(encoding::toWide(54936, "\x81\x30\x81\x30"), u"\u0080");
}
