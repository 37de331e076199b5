#include "Parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace publish {

size_t workerCount(size_t count) {
  // More threads than cores only adds switching; past eight the disk is the limit anyway.
  size_t cores = std::max<size_t>(1, std::thread::hardware_concurrency());
  return std::max<size_t>(1, std::min({count, cores, size_t(8)}));
}

void forEachInParallel(size_t count, const std::function<void(size_t k, size_t worker)>& job) {
  std::atomic<size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureLock;
  auto work = [&](size_t worker) {
    for (size_t k; (k = next.fetch_add(1)) < count;) {
      try {
        job(k, worker);
      } catch (...) {
        std::lock_guard<std::mutex> hold(failureLock);
        if (!failure) failure = std::current_exception();
        next = count;   // the rest is not worth starting
      }
    }
  };
  std::vector<std::thread> helpers;
  size_t workers = workerCount(count);
  for (size_t w = 1; w < workers; ++w) helpers.emplace_back(work, w);
  work(0);
  for (std::thread& t : helpers) t.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace publish
