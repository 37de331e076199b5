#include <gtest/gtest.h>

#include "base/Files.h"
#include "base/Profile.h"
#include "library/Selection.h"
#include "support/TempFolder.h"

using namespace library;
using testing_support::TempFolder;

TEST(Selection, EachReaderSuppliesItsOwnDefault) {
  TempFolder root;
  EXPECT_EQ(readSelection(root.path(), kDefaultSelection), u"11001011000");
  EXPECT_EQ(readSelection(root.path(), kSelectionAfterDialog), u"111");
  EXPECT_FALSE(base::files::exists(settingsFile(root.path())));
  ASSERT_TRUE(writeSelection(root.path(), u"0101"));
  EXPECT_EQ(readSelection(root.path(), kSelectionAfterDialog), u"0101");
  EXPECT_EQ(base::profile::readString(root.file(u"HomeInkCasket.ini"), u"GallerySel", u"Sel", u"", 100), u"0101");
}

TEST(Selection, ReadsAtMostNinetyNineCharacters) {
  TempFolder root;
  writeSelection(root.path(), std::u16string(120, u'1'));
  EXPECT_EQ(readSelection(root.path(), kDefaultSelection).size(), 99u);
}

TEST(HostSwitches, WithNothingStoredTheDefaultIsChangedAndWritten) {
  TempFolder root;
  EXPECT_FALSE(enableLandscapeSpecialty(root.path()));
  EXPECT_EQ(readSelection(root.path(), u""), u"11001011100");
  EXPECT_TRUE(enableLandscapeSpecialty(root.path()));
  EXPECT_EQ(readSelection(root.path(), u""), u"11001011100");

  TempFolder other;
  EXPECT_TRUE(enableSecuritySpecialty(other.path()));
  EXPECT_EQ(readSelection(other.path(), u""), u"11001011000");
}

TEST(HostSwitches, AnEmptyOrShortSelectionIsFilledWithZerosFirst) {
  TempFolder root;
  writeSelection(root.path(), u"");
  EXPECT_FALSE(enableLandscapeSpecialty(root.path()));
  EXPECT_EQ(readSelection(root.path(), u"unread"), u"000000001");
  writeSelection(root.path(), u"11");
  EXPECT_FALSE(enableSecuritySpecialty(root.path()));
  EXPECT_EQ(readSelection(root.path(), u""), u"11000001");
  EXPECT_FALSE(enableLandscapeSpecialty(root.path()));
  EXPECT_EQ(readSelection(root.path(), u""), u"110000011");
}

TEST(HostSwitches, AnyCharacterButZeroCountsAsOn) {
  TempFolder root;
  writeSelection(root.path(), u"00000000x00");
  EXPECT_TRUE(enableLandscapeSpecialty(root.path()));
  EXPECT_EQ(readSelection(root.path(), u""), u"00000000100");
}

TEST(SelectionGainsSpecialty, ComparesPositionByPositionOverTheNewSelection) {
  const std::u16string stored30 = u"110010110000000000000000000000";
  EXPECT_TRUE(selectionGainsSpecialty(u"11001011000", stored30));   // old ends early: code 0 < "0"
  EXPECT_FALSE(selectionGainsSpecialty(stored30, stored30));
  std::u16string offOnly = stored30;
  offOnly[1] = u'0';
  EXPECT_FALSE(selectionGainsSpecialty(stored30, offOnly));
  std::u16string oneOn = offOnly;
  oneOn[20] = u'1';
  EXPECT_TRUE(selectionGainsSpecialty(stored30, oneOn));
  EXPECT_FALSE(selectionGainsSpecialty(u"1111", u"11"));
  EXPECT_TRUE(selectionGainsSpecialty(u"", u"0"));
  EXPECT_FALSE(selectionGainsSpecialty(u"1", u""));
}

TEST(SelectionGainsSpecialty, ComparesCharactersAsUnsignedUnits) {
  EXPECT_TRUE(selectionGainsSpecialty(u"1", u"\xFFFF"));
  EXPECT_FALSE(selectionGainsSpecialty(u"\xFFFF", u"1"));
}
