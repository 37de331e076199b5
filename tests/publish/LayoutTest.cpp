// Source layouts published and read back as galleries read them: what each category shows.
#include <gtest/gtest.h>

#include "PublishFiles.h"

using namespace publish_tests;

namespace {

struct LayoutCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files;   // path, bytes ("" for a DWG)
  std::vector<std::string> folders;                          // empty folders
  // Per row: "label: name|spec|detail|mfrs|url; ..." for leaves, "label" for the others.
  std::vector<std::string> shown;
  std::vector<std::string> numbers;
};

std::string describe(const publish::ServedCategory& c) {
  std::string text = base::toUtf8(c.label);
  if (!c.leaf) return text;
  text += ":";
  for (const auto& b : c.blocks)
    text += " " + base::toUtf8(b.name + u"|" + b.spec + u"|" + b.detail + u"|" + b.mfrs + u"|" + b.url) + ";";
  return text;
}

const char kHeader[] = "file,name,spec,detail,mfrs,url\n";

const LayoutCase kLayouts[] = {
    {"two levels, names in file order",
     {{"A/Doors/b.dwg", ""}, {"A/Doors/a.dwg", ""}, {"A/Windows/w.dwg", ""}},
     {},
     {"A", "A > Doors: a|no|no|no|no; b|no|no|no|no;", "A > Windows: w|no|no|no|no;"},
     {"01"}},
    {"three levels beside a two-level category",
     {{"S/Plants/Trees/oak.dwg", ""}, {"S/Plants/Shrubs/box.dwg", ""}, {"S/Paving/brick.dwg", ""}},
     {},
     {"S", "S > Paving: brick|no|no|no|no;", "S > Plants", "S > Plants > Shrubs: box|no|no|no|no;",
      "S > Plants > Trees: oak|no|no|no|no;"},
     {"01"}},
    {"display prefixes and Chinese names",
     {{"09_园林景观/02_园林/12_景观亭.dwg", ""}, {"01_建筑/01_门/单开门.dwg", ""}},
     {},
     {"建筑", "建筑 > 门: 单开门|no|no|no|no;", "园林景观", "园林景观 > 园林: 12_景观亭|no|no|no|no;"},
     {"01", "02"}},
    {"empty folders: a specialty without categories, a category without blocks",
     {{"B/Full/x.dwg", ""}},
     {"A", "B/Empty"},
     {"A", "B", "B > Empty:", "B > Full: x|no|no|no|no;"},
     {"01", "02"}},
    {"blocks.csv with quoting, its rows' order and a file without a row",
     {{"A/C/z.dwg", ""}, {"A/C/y.dwg", ""}, {"A/C/x.dwg", ""},
      {"A/C/blocks.csv", std::string(kHeader) + "y.dwg,Why,\"1,5 m\",\"say \"\"hi\"\"\",Acme,http://a/b\n"
                                                  "z,,  3 m  ,,,\n"}},
     {},
     {"A", "A > C: Why|1,5 m|say \"hi\"|Acme|http://a/b; z|3 m|no|no|no; x|no|no|no|no;"},
     {"01"}},
    {"CSV files with byte-order marks, CR LF and Chinese text; specialties.csv orders and numbers",
     {{"甲/门/a.dwg", ""}, {"乙/窗/b.dwg", ""}, {"丙/柱/c.dwg", ""},
      {"甲/门/blocks.csv", "\xEF\xBB\xBF" "file,name,spec,detail,mfrs,url\r\na.dwg,大门,宽1米,木,,\r\n"},
      {"specialties.csv", "\xEF\xBB\xBF" "folder,num\r\n乙,07\r\n甲,\r\n"}},
     {},
     {"乙", "乙 > 窗: b|no|no|no|no;", "甲", "甲 > 门: 大门|宽1米|木|no|no;", "丙", "丙 > 柱: c|no|no|no|no;"},
     {"07", "02", "03"}},
};

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, GalleriesShowTheSourceTree) {
  const LayoutCase& c = GetParam();
  PublishFolders f;
  for (const auto& [path, bytes] : c.files) f.put(path, bytes.empty() ? dwg() : bytes);
  for (const auto& folder : c.folders) f.folder(folder);
  publish::Outcome outcome = f.publish();
  ASSERT_EQ(outcome.exitCode, 0) << joined(outcome.errors);
  EXPECT_TRUE(outcome.warnings.empty()) << joined(outcome.warnings);

  publish::ServedLibrary served = f.served();
  std::vector<std::string> shown;
  for (const auto& category : served.categories) {
    shown.push_back(describe(category));
    if (category.leaf) {
      EXPECT_EQ(category.sizes.size(), category.blocks.size());
    }
  }
  EXPECT_EQ(shown, c.shown);
  std::vector<std::string> numbers;
  for (const auto& n : served.specialtyNumbers) numbers.push_back(base::toUtf8(n));
  EXPECT_EQ(numbers, c.numbers);
  EXPECT_EQ(publish::checkPublished(f.out()).exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Publish, LayoutTest, ::testing::ValuesIn(kLayouts));

TEST(PublishedTree, RemoteNamesAreAsciiAndBlocksCarryTheirSize) {
  PublishFolders f;
  f.put("01_建筑/Doors 2/门.dwg", dwg(3));
  f.put("01_建筑/02_窗/窗.dwg", dwg(4));
  ASSERT_EQ(f.publish().exitCode, 0);
  publish::ServedLibrary served = f.served();
  ASSERT_EQ(served.categories.size(), 3u);
  EXPECT_EQ(served.categories[1].folderUrl, u"/s1/c1");
  EXPECT_EQ(served.categories[2].folderUrl, u"/s1/Doors2");
  const auto& doors = served.categories[2];
  ASSERT_EQ(doors.blocks.size(), 1u);
  EXPECT_EQ(doors.sizes[0], base::decimal(int64_t(dwg(3).size())));
  std::string block;
  base::files::readWhole(publish::servedPath(base::joinPath(f.out(), u"InkCasket"), doors.folderUrl + u"/" + doors.blocks[0].id + u".dwg"), block);
  EXPECT_EQ(block, dwg(3));
}

}  // namespace
