#include <gtest/gtest.h>

#include "base/Files.h"
#include "markup/MarkupDocument.h"
#include "support/TempFolder.h"

using namespace markup;

namespace {

class LoadFile : public ::testing::Test {
protected:
  // Writes bytes to a file and loads it into doc; returns the load result.
  bool load(std::string_view bytes) {
    std::u16string path = folder.file(u"UserBlock.xml");
    EXPECT_TRUE(base::files::writeWhole(path, bytes));
    return doc.loadFile(path);
  }
  std::vector<std::u16string> items() {
    std::vector<std::u16string> found;
    if (!doc.parse()) return found;
    while (doc.nextElement(u"root"))
      while (doc.nextChildElement(u"Item")) found.push_back(doc.childText());
    return found;
  }

  testing_support::TempFolder folder;
  MarkupDocument doc;
};

std::string utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (char16_t u : text) {
    char lo = char(u & 0xFF), hi = char(u >> 8);
    bytes += bigEndian ? hi : lo;
    bytes += bigEndian ? lo : hi;
  }
  return bytes;
}

}  // namespace

TEST_F(LoadFile, Utf8MarkWinsOverTheDeclaration) {
  ASSERT_TRUE(load("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"gb2312\"?><root><Item>\xE5\xA2\xA8</Item></root>"));
  EXPECT_EQ(items(), std::vector<std::u16string>{u"墨"});
  EXPECT_EQ(doc.flags() & kFormatFlags, kFormatUtf8Mark);
  EXPECT_EQ(doc.report(),
            u"<bom/><read encoding=\"UTF-8\" length=\"68\"/><converted_to encoding=\"UTF-16\" length=\"66\"/>");
}

TEST_F(LoadFile, Utf16LittleEndianMark) {
  ASSERT_TRUE(load("\xFF\xFE" + utf16(u"<root><Item>图块</Item></root>", false)));
  EXPECT_EQ(items(), std::vector<std::u16string>{u"图块"});
  EXPECT_EQ(doc.flags() & kFormatFlags, kFormatUtf16);
  EXPECT_EQ(doc.report(), u"<bom/><read encoding=\"UTF-16LE\" length=\"28\"/>");
}

TEST_F(LoadFile, Utf16BigEndianIsSwapped) {
  ASSERT_TRUE(load("\xFE\xFF" + utf16(u"<root><Item>图块</Item></root>", true)));
  EXPECT_EQ(items(), std::vector<std::u16string>{u"图块"});
  EXPECT_EQ(doc.flags() & kFormatFlags, kFormatBigEndian);
  EXPECT_EQ(doc.report(), u"<bom/><read encoding=\"UTF-16BE\" length=\"28\"/><endian_swap/>");
}

TEST_F(LoadFile, DeclaredGb2312AndGbk) {
  ASSERT_TRUE(load("<?xml version=\"1.0\" encoding=\"gb2312\"?><root><Item>\xD6\xD0\xCE\xC4</Item></root>"));
  EXPECT_EQ(items(), std::vector<std::u16string>{u"中文"});
  EXPECT_NE(doc.report().find(u"<read encoding=\"gb2312\""), std::u16string::npos);
  ASSERT_TRUE(load("<?xml version=\"1.0\" encoding=\"GBK\"?><root><Item>\xB4\xF3</Item></root>"));
  EXPECT_EQ(items(), std::vector<std::u16string>{u"大"});
}

TEST_F(LoadFile, HtmlMetaCharsetBig5) {
  ASSERT_TRUE(load("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=big5\"></head>"
                   "<body>\xA4\xA4</body></html>"));
  EXPECT_NE(doc.text().find(u"<body>中</body>"), std::u16string::npos);
}

TEST_F(LoadFile, LessThanFirstMeansUtf8WithoutTest) {
  ASSERT_TRUE(load("<?xml version=\"1.0\"?><root><Item>\xE5\xA2\xA8</Item></root>"));
  EXPECT_EQ(items(), std::vector<std::u16string>{u"墨"});
  EXPECT_EQ(doc.report().find(u"utf8_detection"), std::u16string::npos);
}

TEST_F(LoadFile, LeadingBlankSkipsTheDeclarationAndTestsUtf8) {
  ASSERT_TRUE(load(" <?xml version=\"1.0\" encoding=\"gb2312\"?><root><Item>\xE5\xA2\xA8</Item></root>"));
  EXPECT_EQ(doc.report(),
            u"<read encoding=\"UTF-8\" length=\"69\"/><utf8_detection/><converted_to encoding=\"UTF-16\" length=\"67\"/>");
  EXPECT_EQ(items(), std::vector<std::u16string>{u"墨"});
}

TEST_F(LoadFile, NotUtf8WithoutDeclarationIsAnsi) {
  ASSERT_TRUE(load(" <root><Item>\xB4\xF3</Item></root>"));  // GBK, read with the ANSI page 936
  EXPECT_EQ(doc.report(),
            u"<read encoding=\"\" length=\"29\"/><utf8_detection/><converted_to encoding=\"UTF-16\" length=\"28\"/>");
  EXPECT_EQ(items(), std::vector<std::u16string>{u"大"});
}

TEST_F(LoadFile, NulBytesAreRemoved) {
  ASSERT_TRUE(load(std::string("<root>\0<Item>a\0b</Item></root>\0", 31)));
  EXPECT_EQ(items(), std::vector<std::u16string>{u"ab"});
  EXPECT_NE(doc.report().find(u"<nulls_removed count=\"3\"/>"), std::u16string::npos);
  ASSERT_TRUE(load("\xFF\xFE" + utf16(std::u16string(u"<root>\0<Item/></root>", 21), false)));
  EXPECT_NE(doc.report().find(u"<nulls_removed count=\"1\"/>"), std::u16string::npos);
}

TEST_F(LoadFile, EmptyFileAndMarkOnly) {
  ASSERT_TRUE(load(""));
  EXPECT_EQ(doc.text(), u"");
  EXPECT_EQ(doc.report(), u"<read encoding=\"\" length=\"0\"/>");
  EXPECT_FALSE(doc.parse());
  EXPECT_EQ(doc.index().size(), 1u);
  MarkupDocument other;
  std::u16string path = folder.file(u"mark.xml");
  ASSERT_TRUE(base::files::writeWhole(path, "\xEF\xBB\xBF"));
  ASSERT_TRUE(other.loadFile(path));
  EXPECT_EQ(other.report(), u"<bom/><read encoding=\"UTF-8\" length=\"0\"/>");
}

TEST_F(LoadFile, MissingFileIsAFileError) {
  EXPECT_FALSE(doc.loadFile(folder.file(u"nothing.xml")));
  EXPECT_EQ(doc.text(), u"");
  EXPECT_EQ(doc.report().rfind(u"<file_error msg=\"", 0), 0u);
  EXPECT_NE(doc.report().find(u"n=\"2\"/>"), std::u16string::npos);  // no such file
}

TEST_F(LoadFile, FormatFlagsOfAnEarlierFileAreDropped) {
  ASSERT_TRUE(load("\xFE\xFF" + utf16(u"<root/>", true)));
  ASSERT_TRUE(load("<root/>"));
  EXPECT_EQ(doc.flags() & kFormatFlags, 0u);
}
