#include "search/SearchWorker.h"

namespace search {

SearchWorker::SearchWorker(std::function<void()> answerWaits)
    : answerWaits_(std::move(answerWaits)), thread_([this] { run(); }) {}

SearchWorker::~SearchWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quitting_ = true;
    if (stopRunning_) *stopRunning_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void SearchWorker::rebuild(std::function<LibrarySnapshot()> snapshot) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    snapshot_ = std::move(snapshot);
  }
  wake_.notify_all();
}

void SearchWorker::query(uint64_t number, std::u16string text, std::vector<std::u16string> recentIds) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    query_ = Query{number, std::move(text), std::move(recentIds)};
    if (stopRunning_) *stopRunning_ = true;
  }
  wake_.notify_all();
}

std::optional<SearchWorker::Answer> SearchWorker::take() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::optional<Answer> answer = std::move(answer_);
  answer_.reset();
  return answer;
}

void SearchWorker::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!quitting_) {
    if (!work(lock)) wake_.wait(lock);
  }
}

// One piece of work, done with the lock released; false when there was none.
bool SearchWorker::work(std::unique_lock<std::mutex>& lock) {
  if (snapshot_) {
    std::function<LibrarySnapshot()> snapshot = std::move(snapshot_);
    snapshot_ = nullptr;
    lock.unlock();
    auto built = std::make_shared<const LibrarySearch>(snapshot());
    lock.lock();
    search_ = std::move(built);
    return true;
  }
  if (!query_ || !search_) return false;
  Query query = std::move(*query_);
  query_.reset();
  auto stop = std::make_shared<std::atomic<bool>>(false);
  stopRunning_ = stop;
  std::shared_ptr<const LibrarySearch> search = search_;
  lock.unlock();
  std::optional<std::vector<SearchHit>> hits = search->find(query.text, query.recentIds, stop.get());
  lock.lock();
  stopRunning_.reset();
  if (!hits || query_ || quitting_) return true;  // stopped, or already out of date
  answer_ = Answer{query.number, std::move(query.text), std::move(search), std::move(*hits)};
  lock.unlock();
  answerWaits_();
  lock.lock();
  return true;
}

}  // namespace search
