// The search's own thread: it makes each new library snapshot, builds its index and runs the
// queries, so the window never waits for any of them. A newer query stops the one running; a newer snapshot
// replaces one not yet indexed. Answers are collected on the window's thread with take().
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "search/LibrarySearch.h"

namespace search {

class SearchWorker {
public:
  struct Answer {
    uint64_t number = 0;
    std::u16string query;
    std::shared_ptr<const LibrarySearch> search;  // what the hits point into
    std::vector<SearchHit> hits;
  };

  // answerWaits is called on the worker's thread each time an answer is ready to be taken.
  explicit SearchWorker(std::function<void()> answerWaits);
  ~SearchWorker();
  SearchWorker(const SearchWorker&) = delete;
  SearchWorker& operator=(const SearchWorker&) = delete;

  // snapshot runs on the worker's thread (copying every block's texts takes a while on a large
  // library), so what it reads must not change afterwards.
  void rebuild(std::function<LibrarySnapshot()> snapshot);
  // Queries wait for the first index; each carries the number its answer will have.
  void query(uint64_t number, std::u16string text, std::vector<std::u16string> recentIds);
  // The newest answer not yet taken.
  std::optional<Answer> take();

private:
  struct Query {
    uint64_t number;
    std::u16string text;
    std::vector<std::u16string> recentIds;
  };
  void run();
  bool work(std::unique_lock<std::mutex>& lock);

  std::function<void()> answerWaits_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool quitting_ = false;
  std::function<LibrarySnapshot()> snapshot_;  // waiting to be made and indexed
  std::optional<Query> query_;               // waiting to run
  std::shared_ptr<std::atomic<bool>> stopRunning_;
  std::shared_ptr<const LibrarySearch> search_;
  std::optional<Answer> answer_;
  std::thread thread_;  // last: started once everything above exists
};

}  // namespace search
