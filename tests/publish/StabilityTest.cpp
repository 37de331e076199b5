// Publishing again keeps what did not change: ids, URLs and the files themselves.
#include <gtest/gtest.h>

#include "PublishFiles.h"

using namespace publish_tests;

namespace {

class StabilityTest : public ::testing::Test {
protected:
  void SetUp() override {
    f.put("A/C/one.dwg", dwg(1));
    f.put("A/C/two.dwg", dwg(2));
    f.put("A/D/three.dwg", dwg(3));
    republish();
    before = f.ids();
    ASSERT_EQ(before.size(), 3u);
  }
  void republish() {
    publish::Outcome outcome = f.publish();
    ASSERT_EQ(outcome.exitCode, 0) << joined(outcome.errors);
  }
  std::optional<uint64_t> timeOf(const std::u16string& below) {
    return base::files::lastWriteTime(base::joinPath(base::joinPath(f.out(), u"InkCasket"), below));
  }

  PublishFolders f;
  std::map<std::string, std::string> before;
};

struct Change {
  const char* what;
  void (*apply)(const PublishFolders&);
  // Block -> "kept" (the id it had), "new" (an id never given before) or the old block whose id it takes.
  std::map<std::string, std::string> expected;
};

const Change kChanges[] = {
    {"nothing", [](const PublishFolders&) {}, {{"A/C/one", "kept"}, {"A/C/two", "kept"}, {"A/D/three", "kept"}}},
    {"a file added", [](const PublishFolders& f) { f.put("A/C/four.dwg", dwg(4)); },
     {{"A/C/one", "kept"}, {"A/C/two", "kept"}, {"A/D/three", "kept"}, {"A/C/four", "new"}}},
    {"a file removed", [](const PublishFolders& f) { f.remove("A/C/two.dwg"); }, {{"A/C/one", "kept"}, {"A/D/three", "kept"}}},
    {"a file renamed", [](const PublishFolders& f) { f.rename("A/C/two.dwg", "A/C/deux.dwg"); },
     {{"A/C/one", "kept"}, {"A/C/deux", "A/C/two"}, {"A/D/three", "kept"}}},
    {"a file moved to another category", [](const PublishFolders& f) { f.rename("A/C/two.dwg", "A/D/two.dwg"); },
     {{"A/C/one", "kept"}, {"A/D/two", "A/C/two"}, {"A/D/three", "kept"}}},
    {"a file changed", [](const PublishFolders& f) { f.put("A/C/two.dwg", dwg(22)); },
     {{"A/C/one", "kept"}, {"A/C/two", "new"}, {"A/D/three", "kept"}}},
    {"a file written again with the same bytes", [](const PublishFolders& f) { f.put("A/C/two.dwg", dwg(2) + ""); },
     {{"A/C/one", "kept"}, {"A/C/two", "kept"}, {"A/D/three", "kept"}}},
};

class ChangeTest : public StabilityTest, public ::testing::WithParamInterface<Change> {};

TEST_P(ChangeTest, IdsAsStated) {
  const Change& change = GetParam();
  change.apply(f);
  republish();
  std::map<std::string, std::string> after = f.ids();
  ASSERT_EQ(after.size(), change.expected.size());
  for (const auto& [block, rule] : change.expected) {
    ASSERT_TRUE(after.count(block)) << block;
    if (rule == "kept")
      EXPECT_EQ(after[block], before[block]) << block;
    else if (rule == "new")
      EXPECT_GT(std::stoi(after[block]), 3) << block;
    else
      EXPECT_EQ(after[block], before[rule]) << block;
  }
  EXPECT_EQ(publish::checkPublished(f.out()).exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Publish, ChangeTest, ::testing::ValuesIn(kChanges));

TEST_F(StabilityTest, UnchangedFilesAreNotWrittenAgainAndRemovedOnesGo) {
  auto served = f.served();
  std::u16string cList = publish::itemListUrl(served.categories[1].folderUrl);
  std::u16string dList = publish::itemListUrl(served.categories[2].folderUrl);
  std::u16string oneBlock = served.categories[1].folderUrl + u"/" + served.categories[1].blocks[0].id + u".dwg";
  std::u16string twoBlock = served.categories[1].folderUrl + u"/" + served.categories[1].blocks[1].id + u".dwg";
  auto cTime = timeOf(cList), dTime = timeOf(dList), oneTime = timeOf(oneBlock), indexTime = timeOf(u"/InkCasket.xml");
  std::filesystem::last_write_time(std::filesystem::path(f.sourceFile("A/C/one.dwg")),
                                   std::filesystem::file_time_type::clock::now());   // touched, not changed
  f.remove("A/C/two.dwg");
  republish();
  EXPECT_EQ(timeOf(dList), dTime);
  EXPECT_EQ(timeOf(oneBlock), oneTime);
  EXPECT_EQ(timeOf(u"/InkCasket.xml"), indexTime);
  EXPECT_NE(timeOf(cList), cTime);
  EXPECT_FALSE(timeOf(twoBlock).has_value());

  f.remove("A/D/three.dwg");
  f.remove("A/D");
  republish();
  EXPECT_FALSE(timeOf(dList).has_value());
  EXPECT_EQ(f.served().categories.size(), 2u);
}

}  // namespace

namespace {

TEST_F(StabilityTest, AListThatCannotBePutInPlaceKeepsEveryBlockItNames) {
  auto served = f.served();
  std::u16string cList = publish::itemListUrl(served.categories[1].folderUrl);
  std::u16string twoBlock = served.categories[1].folderUrl + u"/" + served.categories[1].blocks[1].id + u".dwg";
  std::filesystem::path list(publish::servedPath(base::joinPath(f.out(), u"InkCasket"), cList));
  // The list stays as it was: a folder holds its name, so nothing can take its place.
  std::filesystem::remove(list);
  std::filesystem::create_directories(list / "held");
  f.put("A/C/two.dwg", dwg(22));   // a new id: the old block is no longer listed
  publish::Outcome outcome = f.publish();
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(joined(outcome.errors).find("cannot be replaced"), std::string::npos) << joined(outcome.errors);
  EXPECT_TRUE(timeOf(twoBlock).has_value());
}

}  // namespace
