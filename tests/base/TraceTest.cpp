#include <gtest/gtest.h>

#include <vector>

#include "base/Trace.h"

TEST(Trace, LinesReachTheSinkWhileOneIsSet) {
  std::vector<std::u16string> lines;
  base::setTraceSink([&](std::u16string_view line) { lines.emplace_back(line); });
  base::trace(u"显示窗口");
  base::setTraceSink(nullptr);
  base::trace(u"not caught");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], u"显示窗口");
}
