#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "base/Trace.h"
#include "support/TempFolder.h"

TEST(FailureLog, LinesGoToTheTraceAndAreAppendedToTheFile) {
  testing_support::TempFolder folder;
  std::u16string log = folder.file(u"Blockery.log");
  std::vector<std::u16string> traced;
  base::setTraceSink([&](std::u16string_view line) { traced.emplace_back(line); });
  base::setFailureLogFile(log);
  base::logFailure(u"save 图块.xml", 5);
  base::logFailure(u"open mutex");
  base::setFailureLogFile({});
  base::logFailure(u"not in the file");
  base::setTraceSink(nullptr);

  ASSERT_EQ(traced.size(), 3u);
  EXPECT_TRUE(base::endsWith(traced[0], u" save 图块.xml (error 5)"));
  std::string bytes;
  ASSERT_TRUE(base::files::readWhole(log, bytes));
  std::u16string text = base::fromUtf8(bytes);
  EXPECT_TRUE(base::contains(text, u" save 图块.xml (error 5)\r\n"));
  EXPECT_TRUE(base::contains(text, u" open mutex\r\n"));
  EXPECT_FALSE(base::contains(text, u"not in the file"));
}

TEST(FailureLog, LineAndNewerHalf) {
  EXPECT_EQ(base::failureLine(u"2026-12-09 07:30:12", u"fetch x", 12029), u"2026-12-09 07:30:12 fetch x (error 12029)");
  EXPECT_EQ(base::newerHalf("aa\nbb\ncc\ndd\n"), "cc\ndd\n");
  EXPECT_EQ(base::newerHalf("aaaa\nb\nc\n"), "b\nc\n");
  EXPECT_EQ(base::newerHalf("one long line"), "");
}

TEST(FailureLog, AnOverlongFileKeepsItsNewerHalf) {
  testing_support::TempFolder folder;
  std::u16string log = folder.file(u"Blockery.log");
  std::string old;
  for (int i = 0; old.size() <= base::kFailureLogLimit; ++i) old += "old line " + std::to_string(i) + "\r\n";
  ASSERT_TRUE(base::files::writeWhole(log, old));
  base::setFailureLogFile(log);
  base::logFailure(u"newest");
  base::setFailureLogFile({});
  std::string bytes;
  ASSERT_TRUE(base::files::readWhole(log, bytes));
  EXPECT_LT(bytes.size(), base::kFailureLogLimit / 2 + 100);
  EXPECT_EQ(bytes.find("old line 0\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(" newest\r\n"), std::string::npos);
  EXPECT_EQ(bytes.rfind("old line ", 0), 0u);  // starts at a whole line
}
