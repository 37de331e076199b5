#include "update/FetchWorker.h"

#include <atomic>
#include <system_error>
#include <thread>

#include "base/Files.h"
#include "base/Text.h"
#include "update/Fetch.h"
#include "update/FetchJob.h"
#include "update/UpdateCodes.h"

namespace update {

namespace {

std::atomic<size_t> runningWorkers{0};

void tell(const FetchOrder& order, int32_t result) {
  if (order.window && order.window->isWindow())
    order.window->postCommand(uint32_t(result), completionCodeFor(order.localPath));
}

// Puts a whole, non-empty download in place in one step; the old file stays when that fails.
bool putInPlace(const std::u16string& temporary, const std::u16string& target) {
  std::optional<uint64_t> size = base::files::size(temporary);
  if (!size || *size == 0) return false;
  return base::files::replaceAtomically(temporary, target);
}

}  // namespace

std::u16string temporaryPathFor(const std::u16string& localPath) {
  std::u16string temporary = localPath;
  base::replaceAll(temporary, u".xml", u"_.xml");
  base::replaceAll(temporary, u".dwg", u"_.dwg");
  return temporary;
}

int32_t completionCodeFor(const std::u16string& localPath) {
  return base::contains(localPath, u".xml") ? kStepItemListFetched : kStepBlockFetched;
}

int32_t fetchWorker(const FetchOrder& order, const FetchServices& services) {
  std::u16string temporary = temporaryPathFor(order.localPath);
  // A target with neither extension has no sibling name; fetching it would write the library
  // file itself, so it is refused.
  int32_t result = 0;
  if (temporary != order.localPath) {
    FetchJob job(services.openSession ? services.openSession() : nullptr, order.window, *services.clock);
    result = fetchToFile(job, temporary, order.url);
    if (result == 1 && !putInPlace(temporary, order.localPath)) result = 0;
    // Removed before the window hears of it, so a dialog that reports the failure never sees a
    // temporary file left behind.
    if (result == 0) base::files::remove(temporary);
  }
  tell(order, result);
  return result;
}

void startFetchWorker(FetchOrder order, FetchServices services) {
  auto task = std::make_shared<const std::pair<FetchOrder, FetchServices>>(std::move(order), std::move(services));
  runningWorkers.fetch_add(1);
  try {
    std::thread([task]() mutable {
      fetchWorker(task->first, task->second);
      task.reset();
      runningWorkers.fetch_sub(1);
    }).detach();
  } catch (const std::system_error&) {
    runningWorkers.fetch_sub(1);
    tell(task->first, 0);
  }
}

size_t fetchWorkersRunning() { return runningWorkers.load(); }

}  // namespace update
