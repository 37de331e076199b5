#include <gtest/gtest.h>

#include "gallery/SpecialtyChoice.h"
#include "library/CategoryIndex.h"
#include "library/Selection.h"
#include "support/TempFolder.h"

namespace {

using gallery::selectionOf;
using gallery::specialtyLabel;
using gallery::specialtyLabels;
using gallery::ticksOf;

TEST(SpecialtyLabel, PrefixIsDroppedAndShortLabelsArePaddedByTwoSpacesPerMissingCharacter) {
  EXPECT_EQ(specialtyLabel(u"03_Water", u"120"), u"Water 120  ");  // 9 characters: one repetition
  EXPECT_EQ(specialtyLabel(u"01_建筑", u"01"), u"建筑 01" + std::u16string(10, u' '));  // 5 characters: five repetitions
  EXPECT_EQ(specialtyLabel(u"Landscape", u"09"), u"Landscape 09");  // 12 characters: none
  EXPECT_EQ(specialtyLabel(u"ABCDEFGH", u"1"), u"ABCDEFGH 1");      // exactly 10: none
  EXPECT_EQ(specialtyLabel(u"Plumbing", u""), u"Plumbing   ");      // 9 characters: one
}

TEST(SpecialtyLabel, EmptyNumberKeepsTheSpaceBeforeThePadding) {
  EXPECT_EQ(specialtyLabel(u"02_园林", u""), u"园林 " + std::u16string(14, u' '));
}

TEST(SpecialtyLabel, PrefixRuleOnlyReachesTheFourthCharacter) {
  EXPECT_EQ(specialtyLabel(u"ABCD_x", u"7"), u"ABCD_x 7    ");
}

TEST(SpecialtyLabels, OneLabelPerFolderEntryInIndexOrderWithItsOwnNumber) {
  library::IndexEntries entries;
  library::SpecialtyNumbers numbers;
  library::scanCategoryIndex(
      u"<root><Folder name=\"A\" local=\"01_建筑\"><Num>01</Num><Parent name=\"D\" local=\"01_门\"></Parent>"
      u"</Folder><Folder name=\"B\" local=\"02_结构\"><Num>02</Num></Folder>"
      u"<Folder name=\"C\" local=\"03_Water\"><Num>120</Num></Folder></root>",
      entries, numbers);
  std::vector<std::u16string> labels = specialtyLabels(entries, numbers);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0], u"建筑 01" + std::u16string(10, u' '));
  EXPECT_EQ(labels[1], u"结构 02" + std::u16string(10, u' '));
  EXPECT_EQ(labels[2], u"Water 120  ");
}

TEST(SpecialtyLabels, AnIndexWithMoreThanThirtySpecialtiesShowsTheFirstThirty) {
  library::IndexEntries entries;
  library::SpecialtyNumbers numbers;
  for (int i = 0; i < 33; ++i) {
    entries.kinds.push_back(library::EntryKind::Specialty);
    entries.remoteNames.push_back(u"R");
    entries.localNames.push_back(u"Specialty" + std::u16string(1, char16_t(u'A' + i)));
    numbers.push_back(u"9");
  }
  std::vector<std::u16string> labels = specialtyLabels(entries, numbers);
  ASSERT_EQ(labels.size(), 30u);
  EXPECT_EQ(labels[29], u"Specialty" + std::u16string(1, char16_t(u'A' + 29)) + u" 9");
}

TEST(SpecialtyTicks, TicksFollowTheStoredOnesAndStopAtThirty) {
  gallery::SpecialtyTicks ticks = ticksOf(u"11001011000");
  EXPECT_TRUE(ticks[0]);
  EXPECT_TRUE(ticks[1]);
  EXPECT_FALSE(ticks[2]);
  EXPECT_TRUE(ticks[4]);
  EXPECT_TRUE(ticks[6]);
  EXPECT_TRUE(ticks[7]);
  EXPECT_FALSE(ticks[10]);
  EXPECT_FALSE(ticks[29]);
  EXPECT_TRUE(ticksOf(std::u16string(40, u'1'))[29]);
  EXPECT_FALSE(ticksOf(u"1x2")[1]);  // only "1" ticks a box
}

TEST(SpecialtyTicks, ConfirmingWithoutChangesWritesThirtyCharactersKeepingHiddenBoxes) {
  std::u16string stored = u"110010110000000000001000000001";
  EXPECT_EQ(selectionOf(ticksOf(stored)), stored);
  EXPECT_EQ(selectionOf(ticksOf(u"11001011000")), u"110010110000000000000000000000");
}

// The road of the "添加更多" flow through the settings file: the dialog's result decides whether an
// update follows.
TEST(SpecialtyTicks, ConfirmingTheDefaultStartsAnUpdateOnlyTheFirstTime) {
  testing_support::TempFolder root;
  std::u16string before = library::readSelection(root.path(), library::kDefaultSelection);
  library::writeSelection(root.path(), selectionOf(ticksOf(before)));
  std::u16string after = library::readSelection(root.path(), library::kSelectionAfterDialog);
  EXPECT_EQ(after.size(), 30u);
  EXPECT_TRUE(library::selectionGainsSpecialty(before, after));  // the default had only 11 characters

  library::writeSelection(root.path(), selectionOf(ticksOf(after)));
  EXPECT_FALSE(library::selectionGainsSpecialty(after, library::readSelection(root.path(), u"111")));

  gallery::SpecialtyTicks ticks = ticksOf(after);
  ticks[0] = false;  // one switched off, none on
  library::writeSelection(root.path(), selectionOf(ticks));
  EXPECT_FALSE(library::selectionGainsSpecialty(after, library::readSelection(root.path(), u"111")));
  ticks[8] = true;
  library::writeSelection(root.path(), selectionOf(ticks));
  EXPECT_TRUE(library::selectionGainsSpecialty(after, library::readSelection(root.path(), u"111")));
}

}  // namespace
