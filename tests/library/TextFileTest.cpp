#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Trace.h"
#include "library/TextFile.h"
#include "LibraryFiles.h"
#include "support/TempFolder.h"

using namespace library;
using namespace library_tests;
using testing_support::TempFolder;

TEST(ReadWholeTextFile, ConsumesTheMarkAndReadsLineEndsInTextMode) {
  TempFolder dir;
  writeFile(dir.file(u"a.xml"), std::string_view("\xEF\xBB\xBF<root>\r\n<a>x\ry</a>\r\n</root>\r\n"));
  EXPECT_EQ(readWholeTextFile(dir.file(u"a.xml")), u"<root>\n<a>x\ry</a>\n</root>");
  writeFile(dir.file(u"b.xml"), std::string_view("<a>图库</a>"));
  EXPECT_EQ(readWholeTextFile(dir.file(u"b.xml")), u"<a>图库</a>");
}

TEST(ReadWholeTextFile, KeepsTheTextUpToTheFirstNulAndTheLastClosingBracket) {
  TempFolder dir;
  writeFile(dir.file(u"nul.xml"), std::string_view("<a>1</a>\0<b>2</b>", 17));
  EXPECT_EQ(readWholeTextFile(dir.file(u"nul.xml")), u"<a>1</a>");
  writeFile(dir.file(u"tail.xml"), std::string_view("<root><a/>trailing words"));
  EXPECT_EQ(readWholeTextFile(dir.file(u"tail.xml")), u"<root><a/>");
  writeFile(dir.file(u"none.xml"), std::string_view("no markup at all"));
  EXPECT_EQ(readWholeTextFile(dir.file(u"none.xml")), u"");
}

TEST(ReadWholeTextFile, EndsAfterTheFirstRootEnd) {
  TempFolder dir;
  writeFile(dir.file(u"two.xml"), std::string_view("<root>1</root>\n<root>2</root>"));
  EXPECT_EQ(readWholeTextFile(dir.file(u"two.xml")), u"<root>1</root>");
  EXPECT_EQ(cutScannedText(u"<root>1</root> x>"), u"<root>1</root>");
}

TEST(ReadWholeTextFile, AnUnreadableFileGivesAnEmptyTextAndNoTrace) {
  TempFolder dir;
  std::vector<std::u16string> lines;
  base::setTraceSink([&](std::u16string_view line) { lines.emplace_back(line); });
  EXPECT_EQ(readWholeTextFile(dir.file(u"missing.xml")), u"");
  EXPECT_EQ(readWholeTextFile(dir.path()), u"");
  base::setTraceSink(nullptr);
  EXPECT_TRUE(lines.empty());
}

TEST(WriteWholeTextFile, WritesTheMarkAndTurnsLineFeedsIntoCrLf) {
  TempFolder dir;
  const auto path = dir.file(u"out.xml");
  ASSERT_TRUE(writeWholeTextFile(path, u"<root>\r<a>1\n2</a>\r"));
  EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF<root>\r<a>1\r\n2</a>\r");
  ASSERT_TRUE(writeWholeTextFile(path, u"园"));
  EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF\xE5\x9B\xAD");
  EXPECT_EQ(base::files::listFiles(dir.path()).size(), 1u);
}

TEST(WriteWholeTextFile, AFileThatCannotBeWrittenLeavesTheOldOne) {
  TempFolder dir;
  EXPECT_FALSE(writeWholeTextFile(in(dir.file(u"no-such-folder"), u"out.xml"), u"<root/>"));
  const auto blocked = dir.file(u"blocked.xml");
  base::files::createDirectory(blocked);
  writeFile(in(blocked, u"inside"), std::string_view("x"));
  EXPECT_FALSE(writeWholeTextFile(blocked, u"<root/>"));
  EXPECT_TRUE(base::files::isDirectory(blocked));
  EXPECT_FALSE(base::files::exists(base::files::scratchFor(blocked)));
  EXPECT_EQ(base::files::listFiles(dir.path()).size(), 0u);
}
