#include <gtest/gtest.h>

#include <cstdint>

#include "update/Percent.h"

namespace {

using update::percentDone;

TEST(PercentDone, TruncatesLikeIntegerDivision) {
  EXPECT_EQ(percentDone(0, 1), 0u);
  EXPECT_EQ(percentDone(1, 3), 33u);
  EXPECT_EQ(percentDone(2, 3), 66u);
  EXPECT_EQ(percentDone(1023, 1024), 99u);
  EXPECT_EQ(percentDone(4096, 10240), 40u);
}

TEST(PercentDone, IsHundredAtAndBeyondTheEnd) {
  EXPECT_EQ(percentDone(5, 5), 100u);
  EXPECT_EQ(percentDone(6, 5), 100u);
  EXPECT_EQ(percentDone(UINT64_MAX, 1), 100u);
}

TEST(PercentDone, IsExactForSizesWhereHundredTimesWouldOverflow) {
  EXPECT_EQ(percentDone(UINT64_MAX - 1, UINT64_MAX), 99u);
  EXPECT_EQ(percentDone(UINT64_MAX / 2, UINT64_MAX), 49u);
  EXPECT_EQ(percentDone(uint64_t(1) << 63, UINT64_MAX), 50u);
  EXPECT_EQ(percentDone(UINT64_MAX / 100, UINT64_MAX), 0u);
  EXPECT_EQ(percentDone(UINT64_MAX / 100 + 1, UINT64_MAX), 1u);
  EXPECT_EQ(percentDone(3000, UINT64_MAX), 0u);
}

}  // namespace
