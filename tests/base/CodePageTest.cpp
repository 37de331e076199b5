#include <gtest/gtest.h>

#include "base/CodePage.h"

using namespace base;

TEST(CodePage, GbkRoundTrip) {
  std::string bytes;
  ASSERT_TRUE(codepage::fromWide(936, u"DWG图纸", bytes));
  EXPECT_EQ(bytes, "DWG\xCD\xBC\xD6\xBD");
  std::u16string text;
  ASSERT_TRUE(codepage::toWide(936, bytes, text));
  EXPECT_EQ(text, u"DWG图纸");
}

TEST(CodePage, LossIsReportedAndUnknownPagesRefused) {
  std::string bytes;
  bool lost = false;
  ASSERT_TRUE(codepage::fromWide(1252, u"a图", bytes, &lost));
  EXPECT_TRUE(lost);
  ASSERT_TRUE(codepage::fromWide(1252, u"café", bytes, &lost));
  EXPECT_FALSE(lost);
  EXPECT_EQ(bytes, "caf\xE9");
  std::u16string text;
  EXPECT_FALSE(codepage::toWide(12345, "abc", text));
}

TEST(CodePage, Utf8AndBig5) {
  std::u16string text;
  ASSERT_TRUE(codepage::toWide(65001, "\xE5\xA2\xA8", text));
  EXPECT_EQ(text, u"墨");
  ASSERT_TRUE(codepage::toWide(950, "\xA4\xA4", text));
  EXPECT_EQ(text, u"中");
}
