#include <gtest/gtest.h>

#include "cad/InsertCommand.h"

namespace {

struct Awkward {
  std::u16string path, name, nameEqualsPath;
};

// What reaches the command line for each awkward file: the name the drawing gets, and what
// -INSERT reads when the drawing has no block of that name yet.
const Awkward kAwkward[] = {
    {u"C:\\lib\\Oak.dwg", u"Oak", u"Oak=C:/lib/Oak.dwg"},
    {u"D:\\My Blocks\\双开 门.dwg", u"双开 门", u"双开 门=D:/My Blocks/双开 门.dwg"},
    {u"D:\\库(新)\\a;b=c,d.DWG", u"a_b_c_d", u"a_b_c_d=D:/库(新)/a;b=c,d.DWG"},
    {u"E:\\x\\chair.old.dwg", u"chair.old", u"chair.old=E:/x/chair.old.dwg"},
    {u"E:\\x\\<a>|b?*`.dwg", u"_a__b___", u"_a__b___=E:/x/<a>|b?*`.dwg"},
    {u"\\\\server\\share\\  spaced  .dwg", u"spaced", u"spaced=//server/share/  spaced  .dwg"},
    {u"C:\\lib\\.dwg", u"_", u"_=C:/lib/.dwg"},
};

TEST(InsertCommand, AwkwardPathsArriveIntactAndNamesHoldOnlyWhatABlockNameMay) {
  for (const Awkward& one : kAwkward) {
    SCOPED_TRACE(std::string(one.path.begin(), one.path.end()));
    EXPECT_EQ(cad::blockNameOf(one.path), one.name);
    const std::u16string name = u"\"" + one.name + u"\"";
    EXPECT_EQ(cad::insertCommand(one.path),
              u"\x1B\x1B(if (tblsearch \"BLOCK\" " + name + u") (command \"_.-INSERT\" " + name +
                  u" \"_S\" 1 \"_R\" 0 pause) (command \"_.-INSERT\" \"" + one.nameEqualsPath +
                  u"\" \"_S\" 1 \"_R\" 0 pause))\r");
  }
}

TEST(InsertCommand, ALongNameIsCutWithoutSplittingACharacter) {
  std::u16string base(254, u'a');
  EXPECT_EQ(cad::blockNameOf(u"C:\\" + base + u"𠀀tail.dwg"), base);
  EXPECT_EQ(cad::blockNameOf(u"C:\\" + base + u"bc.dwg").size(), 255u);
}

}  // namespace
