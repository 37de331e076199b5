// What blockery-publish refuses: a clear message, a non-zero exit and nothing written.
#include <gtest/gtest.h>

#include "PublishFiles.h"

using namespace publish_tests;

namespace {

struct Refusal {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files;   // path, bytes ("" for a DWG)
  const char* message;                                      // part of one error
};

const std::string kHeader = "file,name,spec,detail,mfrs,url\n";

const Refusal kRefusals[] = {
    {"a folder name with a character Windows names cannot hold", {{"A/B:C/x.dwg", ""}}, "B:C: holds \":\""},
    {"a folder named after a device", {{"A/con/x.dwg", ""}}, "A/con: a Windows device name"},
    {"a block named after a device", {{"A/C/LPT1.dwg", ""}}, "the block name \"LPT1\": a Windows device name"},
    {"a folder name ending in a dot", {{"A/C./x.dwg", ""}}, "A/C.: ends in a dot or blank"},
    {"a name from blocks.csv with a character Windows names cannot hold",
     {{"A/C/x.dwg", ""}, {"A/C/blocks.csv", kHeader + "x.dwg,a?b,,,,\n"}}, "the block name \"a?b\": holds \"?\""},
    {"a path too long for Windows", {{"A/C/" + std::string(140, 'n') + ".dwg", ""}}, "too long for Windows"},
    {"two files given the same name", {{"A/C/x.dwg", ""}, {"A/C/y.dwg", ""}, {"A/C/blocks.csv", kHeader + "y.dwg,X,,,,\n"}},
     "the same block name \"x\" as y.dwg"},
    {"two folders whose names differ in case only", {{"A/c/x.dwg", ""}, {"A/C/y.dwg", ""}}, "the same name as A/C on Windows"},
    {"two folders whose Cyrillic names differ in case only", {{"A/дом/x.dwg", ""}, {"A/ДОМ/y.dwg", ""}},
     "on Windows"},
    {"two blocks whose names differ in full-width case only", {{"A/C/Ａ型.dwg", ""}, {"A/C/ａ型.dwg", ""}},
     "in this category"},
    {"a blocks.csv row for a missing file", {{"A/C/x.dwg", ""}, {"A/C/blocks.csv", kHeader + "gone.dwg,,,,,\n"}},
     "blocks.csv line 2: no file gone.dwg"},
    {"a .dwg file that is not a DWG", {{"A/C/x.dwg", "PK\x03\x04 a zip"}}, "A/C/x.dwg: not a DWG file"},
    {"a file beginning AC2.10, which galleries refuse", {{"A/C/x.dwg", "AC2.10" + std::string(100, '\0')}},
     "A/C/x.dwg: not a DWG file"},
    {"another file among the blocks", {{"A/C/x.dwg", ""}, {"A/C/notes.txt", "hello"}}, "A/C/notes.txt: not a DWG file"},
    {"a file in a specialty folder", {{"A/x.dwg", ""}}, "A/x.dwg: a file in a specialty folder"},
    {"blocks beside sub-categories", {{"A/C/x.dwg", ""}, {"A/C/S/y.dwg", ""}}, "A/C/x.dwg: a file beside sub-category folders"},
    {"a fourth level", {{"A/C/S/T/x.dwg", ""}}, "A/C/S: holds folders"},
    {"a name that holds .dwg", {{"A/C/x.dwg", ""}, {"A/C/blocks.csv", kHeader + "x.dwg,old.dwg copy,,,,\n"}},
     "the block name holds \".dwg\""},
    {"a value an item list cannot carry", {{"A/C/x.dwg", ""}, {"A/C/blocks.csv", kHeader + "x.dwg,,<b>,,,\n"}},
     "its spec holds \"<\""},
    {"a blocks.csv without its header", {{"A/C/x.dwg", ""}, {"A/C/blocks.csv", "x.dwg,,,,,\n"}}, "the first line must be the header"},
    {"a blocks.csv with an open quote", {{"A/C/x.dwg", ""}, {"A/C/blocks.csv", kHeader + "x.dwg,\"open,,,,\n"}}, "is not closed"},
    {"a blocks.csv that is not UTF-8", {{"A/C/x.dwg", ""}, {"A/C/blocks.csv", kHeader + "x.dwg,\xC3\xC5\xB4\xF3,,,,\n"}},
     "not UTF-8 text"},
    {"a specialties.csv row for a missing folder", {{"A/C/x.dwg", ""}, {"specialties.csv", "folder,num\nB,01\n"}},
     "specialties.csv line 2: no specialty folder B"},
};

class RefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, NothingIsWritten) {
  const Refusal& r = GetParam();
  PublishFolders f;
  for (const auto& [path, bytes] : r.files) f.put(path, bytes.empty() ? dwg() : bytes);
  publish::Outcome outcome = f.publish();
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(joined(outcome.errors).find(r.message), std::string::npos) << joined(outcome.errors);
  EXPECT_FALSE(base::files::exists(f.out()));
}

INSTANTIATE_TEST_SUITE_P(Publish, RefusalTest, ::testing::ValuesIn(kRefusals));

TEST(PublishRefusal, PublishedTreeWithoutItsStateIsLeftAlone) {
  PublishFolders f;
  f.put("A/C/x.dwg", dwg());
  ASSERT_EQ(f.publish().exitCode, 0);
  base::files::remove(base::joinPath(f.out(), u"blockery-publish.state"));
  auto before = f.ids();
  f.put("A/C/y.dwg", dwg(1));
  publish::Outcome outcome = f.publish();
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(joined(outcome.errors).find("no blockery-publish.state"), std::string::npos);
  EXPECT_EQ(f.ids(), before);
}

TEST(PublishWarnings, BlocksWithoutAPreviewGalleriesShowAreCountedAndPublished) {
  PublishFolders f;
  f.put("A/C/none.dwg", dwgWithoutPreview());
  f.put("A/C/bad.dwg", dwgWithBadPreview());
  f.put("A/C/good.dwg", dwg());
  publish::Outcome outcome = f.publish();
  ASSERT_EQ(outcome.exitCode, 0) << joined(outcome.errors);
  ASSERT_EQ(outcome.warnings.size(), 2u);
  EXPECT_NE(outcome.warnings[0].find("A/C/bad.dwg: a preview picture galleries cannot read"), std::string::npos);
  EXPECT_NE(outcome.warnings[1].find("A/C/none.dwg: no preview picture"), std::string::npos);
  EXPECT_EQ(f.publish().warnings.size(), 2u);   // told again from the state, without reading the files
  EXPECT_EQ(publish::checkPublished(f.out()).warnings.size(), 2u);
}

// A tree written by hand: --check tells what galleries would refuse or fail on.
TEST(PublishCheck, HandWrittenTreeFaultsAreErrors) {
  testing_support::TempFolder out;
  std::u16string server = out.file(u"InkCasket");
  std::filesystem::create_directories(std::filesystem::path(server + u"/S/C"));
  base::files::writeWhole(server + u"/InkCasket.xml",
                          "<root><Folder name=\"S\" local=\"S\"><Num>1</Num><Parent name=\"C\" local=\"C\"></Parent>"
                          "<Parent name=\"X\" local=\"a|b\"></Parent></Folder></root>");
  base::files::writeWhole(server + u"/S/C/C.xml",
                          "<root><Item id=\"1\"><Name>ok.dwg</Name><Spec>s</Spec><Detail>d</Detail><Mfrs>m</Mfrs>"
                          "<Url>u</Url><Size>3</Size></Item><Item id=\"2\"><Name>con.dwg</Name><Spec>s</Spec>"
                          "<Detail>d</Detail><Mfrs>m</Mfrs><Url>u</Url></Item></root>");
  base::files::writeWhole(server + u"/S/C/1.dwg", dwg());
  publish::Outcome outcome = publish::checkPublished(out.path());
  EXPECT_EQ(outcome.exitCode, 1);
  std::string errors = joined(outcome.errors);
  EXPECT_NE(errors.find("a|b: a folder name galleries refuse"), std::string::npos) << errors;
  EXPECT_NE(errors.find("galleries drop 1 items"), std::string::npos) << errors;
  EXPECT_NE(errors.find("the item list says 3"), std::string::npos) << errors;
  EXPECT_NE(outcome.report.find("S > C: 1 blocks\n    ok | s | d | m | u\n"), std::string::npos) << outcome.report;
}

}  // namespace
