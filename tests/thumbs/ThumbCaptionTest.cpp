#include "thumbs/ThumbCaption.h"

#include <gtest/gtest.h>

using thumbs::findCaption;
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

TEST(ThumbCaption, TypeAheadFindsTheNextCaptionBeginningWithTheTypedText) {
  std::vector<std::u16string> paths = {u"D:\\lib\\01_Oak.dwg", u"D:\\lib\\Pine.dwg", u"D:\\lib\\oak2.dwg",
                                       u"D:\\lib\\双人床.dwg"};
  struct Case {
    std::u16string_view typed;
    size_t start;
    std::optional<size_t> found;
  } cases[] = {
      {u"o", 0, 0}, {u"O", 1, 2}, {u"oak2", 0, 2}, {u"o", 3, 0},  // going round past the last
      {u"双", 0, 3}, {u"pine", 2, 1}, {u"x", 0, std::nullopt}, {u"oaks", 0, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(findCaption(paths, c.typed, c.start), c.found) << c.start;
  EXPECT_EQ(findCaption({}, u"o", 0), std::nullopt);
}
