#include "update/FetchWorker.h"

#include <atomic>
#include <system_error>
#include <thread>

#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/OutputFile.h"
#include "base/Path.h"
#include "base/Text.h"
#include "update/Fetch.h"
#include "update/FetchCheck.h"
#include "update/FetchJob.h"
#include "update/UpdateCodes.h"

namespace update {

namespace {

std::atomic<size_t> runningWorkers{0};

void tell(const FetchOrder& order, int32_t result) {
  if (order.window && order.window->isWindow())
    order.window->postCommand(uint32_t(result), completionCodeFor(order.localPath));
}

// A part left by a worker that ended early: it may go, unless a download still writes it.
bool isOurPart(const std::u16string& name) {
  return base::endsWith(name, u".dwg.part") || base::endsWith(name, u".xml.part");
}

// Puts a download that is plausibly the file asked for in its place in one step; the old file
// stays when anything fails.
bool putInPlace(const FetchOrder& order, const std::u16string& part, Payload payload) {
  std::u16string fault = downloadFault(part, payload, order.size);
  if (!fault.empty()) {
    base::logFailure(u"download refused, " + fault + u": " + order.url);
    return false;
  }
  if (base::files::replaceAtomically(part, order.localPath)) return true;
  base::logFailure(u"put download in place " + order.localPath);
  return false;
}

int32_t fetchInto(const FetchOrder& order, const FetchServices& services, Payload payload) {
  std::u16string part = partPathFor(order.localPath);
  // One left by a program that ended mid-download would block this fetch for good.
  base::OutputFile::removeUnlessHeld(part);
  FetchJob job(services.openSession ? services.openSession() : nullptr, order.window, *services.clock);
  CacheMode mode = payload == Payload::Markup ? CacheMode::FromServerOnly : CacheMode::CacheAllowed;
  int32_t result = fetchToFile(job, part, order.url, mode);
  if (result == 1 && !putInPlace(order, part, payload)) result = 0;
  // Removed before the window hears of it, so a dialog that reports the failure never sees a part
  // left behind. A part this job did not make belongs to another download.
  if (result == 0 && job.outputMade() && !base::files::remove(part)) base::logFailure(u"remove " + part);
  return result;
}

}  // namespace

std::u16string partPathFor(const std::u16string& localPath) { return localPath + u".part"; }

size_t removeStaleParts(const std::u16string& folder) {
  size_t removed = 0;
  for (const std::u16string& name : base::files::listFiles(folder))
    if (isOurPart(name) && base::OutputFile::removeUnlessHeld(base::joinPath(folder, name))) removed += 1;
  return removed;
}

int32_t completionCodeFor(const std::u16string& localPath) {
  return base::contains(localPath, u".xml") ? kStepItemListFetched : kStepBlockFetched;
}

int32_t fetchWorker(const FetchOrder& order, const FetchServices& services) {
  // Only a file whose kind is known can be checked before it replaces anything.
  std::optional<Payload> payload = payloadFor(order.localPath);
  int32_t result = payload ? fetchInto(order, services, *payload) : 0;
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
