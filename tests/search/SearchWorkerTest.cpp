// The search worker: snapshots are made on its thread, queries wait for the first index, a newer
// query replaces an older one, and an answer points into the index it was found in.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "search/SearchWorker.h"

namespace {

class SearchWorkerTest : public ::testing::Test {
protected:
  search::SearchWorker::Answer nextAnswer() {
    std::unique_lock<std::mutex> lock(mutex_);
    posted_.wait(lock, [this] { return waiting_ > 0; });
    --waiting_;
    lock.unlock();
    std::optional<search::SearchWorker::Answer> answer = worker_.take();
    EXPECT_TRUE(answer.has_value());
    return answer ? std::move(*answer) : search::SearchWorker::Answer{};
  }
  // The snapshot notes the thread that made it.
  std::function<search::LibrarySnapshot()> library(std::u16string name) {
    return [this, name] {
      madeOn_ = std::this_thread::get_id();
      search::LibrarySnapshot snapshot;
      snapshot.blocks.push_back({u"", u"/lib/a", u"1", name, u"no", u"no", u"no", u"no"});
      return snapshot;
    };
  }

  std::thread::id madeOn_;

  std::mutex mutex_;
  std::condition_variable posted_;
  int waiting_ = 0;
  search::SearchWorker worker_{[this] {
    std::lock_guard<std::mutex> lock(mutex_);
    ++waiting_;
    posted_.notify_all();
  }};
};

TEST_F(SearchWorkerTest, TheNewestQueryIsAnsweredFromTheNewestIndex) {
  worker_.query(1, u"yx", {});
  worker_.query(2, u"xz", {});  // replaces the first before any index exists
  worker_.rebuild(library(u"香樟"));
  search::SearchWorker::Answer answer = nextAnswer();
  EXPECT_EQ(answer.number, 2u);
  ASSERT_EQ(answer.hits.size(), 1u);
  EXPECT_EQ(answer.search->blocks()[answer.hits[0].index].name, u"香樟");
  EXPECT_FALSE(worker_.take().has_value());
  EXPECT_NE(madeOn_, std::this_thread::get_id());

  worker_.rebuild(library(u"银杏"));  // indexed before the query sent after it
  worker_.query(3, u"yx", {});
  answer = nextAnswer();
  EXPECT_EQ(answer.number, 3u);
  ASSERT_EQ(answer.hits.size(), 1u);
  EXPECT_EQ(answer.search->blocks()[answer.hits[0].index].name, u"银杏");
}

}  // namespace
