#include "thumbs/ThumbCaption.h"

#include <gtest/gtest.h>

using thumbs::thumbCaption;

TEST(ThumbCaption, FileNameWithoutFolderExtensionAndShortPrefix) {
  EXPECT_EQ(thumbCaption(u"D:\\lib\\12_双人床.dwg"), u"双人床");
  EXPECT_EQ(thumbCaption(u"/data/lib/012_Chair.dwg"), u"Chair");
  EXPECT_EQ(thumbCaption(u"D:\\lib\\_Desk.dwg"), u"Desk");
  EXPECT_EQ(thumbCaption(u"D:\\lib\\Tree_01.dwg"), u"Tree_01");
  EXPECT_EQ(thumbCaption(u"D:\\lib\\01_Oak_02.dwg"), u"Oak_02");
}

TEST(ThumbCaption, CutToNineCharactersAfterThePrefixGoes) {
  EXPECT_EQ(thumbCaption(u"D:\\lib\\Table.Round.dwg"), u"Table.Rou");
  EXPECT_EQ(thumbCaption(u"D:\\lib\\0123_Chair.dwg"), u"0123_Chai");
  EXPECT_EQ(thumbCaption(u"D:\\lib\\01_ABCDEFGHIJK.dwg"), u"ABCDEFGHI");
  EXPECT_EQ(thumbCaption(u"D:\\lib\\园林景观小品花坛座椅组合.dwg"), u"园林景观小品花坛座");
  // A character outside the basic plane is not split in half.
  EXPECT_EQ(thumbCaption(u"D:\\lib\\ABCDEFGH\U0001F333x.dwg"), u"ABCDEFGH");
}

TEST(ThumbCaption, NoFullStopInTheFileNameMeansNoCaption) {
  EXPECT_EQ(thumbCaption(u"D:\\lib\\Table"), u"");
  EXPECT_EQ(thumbCaption(u"D:\\lib.v2\\Table"), u"");
  EXPECT_EQ(thumbCaption(u""), u"");
  EXPECT_EQ(thumbCaption(u"D:\\lib\\.dwg"), u"");
}
