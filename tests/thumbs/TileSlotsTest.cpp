#include "thumbs/TileSlots.h"

#include <gtest/gtest.h>

using thumbs::TileSlots;

TEST(TileSlots, ANewTileTakesTheSlotUsedLeastLately) {
  TileSlots slots(4);  // the empty frame and three tiles
  EXPECT_EQ(slots.slotOf(7), 0);
  EXPECT_EQ(slots.place(7), 1);
  EXPECT_EQ(slots.place(8), 2);
  EXPECT_EQ(slots.place(9), 3);
  EXPECT_EQ(slots.place(8), 2);  // already placed: its own slot
  EXPECT_EQ(slots.slotOf(7), 1);  // drawn again, so 9 is now the one used least lately
  EXPECT_EQ(slots.place(10), 3);
  EXPECT_FALSE(slots.holds(9));
  EXPECT_EQ(slots.slotOf(9), 0);
  EXPECT_TRUE(slots.holds(10));
  slots.clear();
  EXPECT_FALSE(slots.holds(7));
  EXPECT_EQ(slots.place(11), 1);
}
