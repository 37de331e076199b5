#include "thumbs/ThumbLoader.h"

#include <algorithm>
#include <utility>

namespace thumbs {

std::vector<size_t> screenOrder(size_t first, size_t last, size_t count, int direction, size_t pages) {
  std::vector<size_t> order;
  if (count == 0 || first > last || first >= count) return order;
  last = std::min(last, count - 1);
  for (size_t item = first; item <= last; ++item) order.push_back(item);
  size_t ahead = pages * (last - first + 1);
  if (direction < 0) {
    for (size_t n = 1; n <= ahead && n <= first; ++n) order.push_back(first - n);
  } else {
    for (size_t item = last + 1; item <= last + ahead && item < count; ++item) order.push_back(item);
  }
  return order;
}

ThumbLoader::ThumbLoader(ThumbListSink& sink, CImageThumbCachedMgr& cache, PreviewReader reader)
    : sink_(sink), cache_(cache), reader_(std::move(reader)), thread_([this] { run(); }) {}

ThumbLoader::~ThumbLoader() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void ThumbLoader::LoadPaths(std::vector<std::u16string> paths) {
  {
    std::lock_guard lock(mutex_);
    shown_ = std::make_shared<const std::vector<std::u16string>>(std::move(paths));
    ++content_;
    wanted_.clear();
    loaded_.clear();
  }
  sink_.resetList(shown_->size());
}

void ThumbLoader::want(const std::vector<size_t>& items) {
  {
    std::lock_guard lock(mutex_);
    wanted_.assign(items.begin(), items.end());
  }
  wake_.notify_one();
}

std::vector<LoadedTile> ThumbLoader::takeTiles() {
  std::lock_guard lock(mutex_);
  return std::exchange(loaded_, {});
}

bool ThumbLoader::loading() const {
  std::lock_guard lock(mutex_);
  return reading_ || !wanted_.empty() || !loaded_.empty();
}

// One file at a time, outside the lock; what the window asked meanwhile decides what comes next.
void ThumbLoader::run() {
  std::unique_lock lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return quit_ || !wanted_.empty(); });
    if (quit_) return;
    size_t item = wanted_.front();
    wanted_.pop_front();
    if (item >= shown_->size()) continue;
    Paths shown = shown_;
    uint64_t content = content_;
    reading_ = true;
    lock.unlock();
    SharedImage tile = tileOf((*shown)[item]);
    lock.lock();
    reading_ = false;
    if (content != content_ || !tile) continue;
    loaded_.push_back(LoadedTile{item, std::move(tile)});
    if (loaded_.size() > 1) continue;
    lock.unlock();
    sink_.tilesReady();
    lock.lock();
  }
}

// Out of memory on a damaged preview, say: that item keeps its empty frame, the rest go on.
SharedImage ThumbLoader::tileOf(const std::u16string& path) {
  try {
    return cachedTile(path, cache_, reader_, tileDpi_);
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace thumbs
