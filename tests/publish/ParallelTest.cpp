// Jobs spread over threads: each runs once, workers never share a slot, and a failure reaches the caller.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "Parallel.h"

TEST(Parallel, EveryJobRunsOnceAndWorkersKeepToTheirSlots) {
  for (size_t count : {0, 1, 3, 1000}) {
    std::vector<std::atomic<int>> runs(count);
    std::vector<std::atomic<int>> busy(publish::workerCount(count));
    std::atomic<bool> shared{false};
    publish::forEachInParallel(count, [&](size_t k, size_t worker) {
      ASSERT_LT(worker, busy.size());
      if (busy[worker]++ != 0) shared = true;
      ++runs[k];
      --busy[worker];
    });
    for (size_t k = 0; k < count; ++k) EXPECT_EQ(runs[k], 1) << k;
    EXPECT_FALSE(shared) << count;
  }
}

TEST(Parallel, AFailingJobIsThrownToTheCallerAfterTheOthersEnd) {
  std::atomic<int> running{0};
  EXPECT_THROW(publish::forEachInParallel(100,
                                          [&](size_t k, size_t) {
                                            ++running;
                                            if (k == 7) {
                                              --running;
                                              throw std::runtime_error("disk full");
                                            }
                                            --running;
                                          }),
               std::runtime_error);
  EXPECT_EQ(running, 0);
}
