#include <gtest/gtest.h>

#include "update/UpdateCommand.h"

namespace {

struct CommandBench final : update::UpdateCommandHost {
  size_t rows = 0;
  int32_t downloadedAtClose = 0;
  int addMoreRuns = 0;
  int dialogRuns = 0;
  int reloads = 0;

  size_t categoryRowCount() const override { return rows; }
  void runAddMore() override { ++addMoreRuns; }
  int32_t runUpdateDialog() override {
    ++dialogRuns;
    return downloadedAtClose;
  }
  void requestReload() override { ++reloads; }
};

TEST(UpdateCommand, OnlyTheRootRowOpensTheSpecialtyChoiceInstead) {
  for (size_t rows : {0u, 1u}) {
    CommandBench bench;
    bench.rows = rows;
    update::runUpdateCommand(bench);
    EXPECT_EQ(bench.addMoreRuns, 1);
    EXPECT_EQ(bench.dialogRuns, 0);
    EXPECT_EQ(bench.reloads, 0);
  }
}

TEST(UpdateCommand, ReloadsAfterTheDialogOnlyWhenBlocksWereLeftUncounted) {
  CommandBench stored;
  stored.rows = 2;
  stored.downloadedAtClose = 1;
  update::runUpdateCommand(stored);
  EXPECT_EQ(stored.dialogRuns, 1);
  EXPECT_EQ(stored.reloads, 1);

  CommandBench none;
  none.rows = 7;
  update::runUpdateCommand(none);
  EXPECT_EQ(none.dialogRuns, 1);
  EXPECT_EQ(none.addMoreRuns, 0);
  EXPECT_EQ(none.reloads, 0);
}

}  // namespace
