#include "update/FetchWorker.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <system_error>
#include <thread>

#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/OutputFile.h"
#include "base/Path.h"
#include "base/Process.h"
#include "base/Text.h"
#include "update/Fetch.h"
#include "update/FetchCheck.h"
#include "update/FetchJob.h"
#include "update/UpdateCodes.h"
#include "update/UpdateRecord.h"

namespace update {

namespace {

constexpr int kTries = 3;
constexpr uint32_t kRetryPauseMs = 500;
constexpr std::u16string_view kPartEnd = u".part";

std::atomic<size_t> runningWorkers{0};
std::atomic<uint32_t> partNumbers{0};

void tell(const FetchOrder& order, int32_t outcome) {
  if (order.window && order.window->isWindow())
    order.window->postCommand(completionWord(order.ticket, outcome), completionCodeFor(order.localPath));
}

bool isLibraryFile(std::u16string_view name) { return base::endsWith(name, u".dwg") || base::endsWith(name, u".xml"); }

// The program that owns a part named "<target>.<id>-<n>.part"; nothing for another name ending in ".part".
std::optional<uint32_t> partOwner(std::u16string_view name) {
  std::u16string_view stem = name.substr(0, name.size() - kPartEnd.size());
  size_t dot = stem.rfind(u'.');
  if (dot == std::u16string_view::npos || !isLibraryFile(stem.substr(0, dot))) return std::nullopt;
  std::string mark = base::toUtf8(stem.substr(dot + 1));
  uint32_t owner = 0;
  uint32_t number = 0;
  auto [dash, failed] = std::from_chars(mark.data(), mark.data() + mark.size(), owner);
  if (failed != std::errc() || dash == mark.data() + mark.size() || *dash != '-') return std::nullopt;
  auto [end, bad] = std::from_chars(dash + 1, mark.data() + mark.size(), number);
  if (bad != std::errc() || end != mark.data() + mark.size()) return std::nullopt;
  return owner;
}

// Puts a download that is plausibly the file asked for in its place in one step; the old file
// stays when anything fails. A target that is there but cannot be replaced is held open by a program.
int32_t putInPlace(const FetchOrder& order, const std::u16string& part, Payload payload) {
  std::u16string fault = downloadFault(part, payload, order.size);
  if (!fault.empty()) {
    base::logFailure(u"download refused, " + fault + u": " + order.url);
    return kFetchFailed;
  }
  if (base::files::replaceAtomically(part, order.localPath)) return kFetchStored;
  bool held = base::files::exists(order.localPath) && !base::files::isDirectory(order.localPath);
  base::logFailure((held ? u"skipped, a program holds it open: " : u"put download in place ") + order.localPath);
  return held ? kFetchHeld : kFetchFailed;
}

// One try; transient tells whether another may succeed.
int32_t fetchOnce(const FetchOrder& order, const FetchServices& services, Payload payload, bool& transient) {
  std::u16string part = partPathFor(order.localPath);
  FetchJob job(services.openSession ? services.openSession() : nullptr,
               order.showsProgress ? order.window : nullptr, *services.clock);
  job.dropWhen(services.dropAll);
  job.askIfChangedSince(order.validators);
  CacheMode mode = payload == Payload::Markup ? CacheMode::FromServerOnly : CacheMode::NoCacheWrite;
  int32_t transfer = fetchToFile(job, part, order.url, mode);
  if (transfer == kNotModified) return kFetchUnchanged;
  int32_t outcome = transfer == 1 ? putInPlace(order, part, payload) : kFetchFailed;
  if (outcome == kFetchStored && order.answered) {
    std::lock_guard<std::mutex> hold(order.answered->lock);
    order.answered->validators = job.answered();
  }
  if (outcome == kFetchStored && !order.recordRoot.empty()) {
    UpdateRecord record(order.recordRoot);
    record.set(order.localPath, FileSource{u"", std::nullopt, job.answered().etag, job.answered().lastModified});
    record.save();
  }
  transient = outcome == kFetchFailed && job.failedTransiently();
  // Removed before the window hears of it, so a dialog that reports the failure never sees a part
  // left behind. A part this job did not make belongs to another download.
  if (outcome != kFetchStored && job.outputMade() && !base::files::remove(part)) base::logFailure(u"remove " + part);
  return outcome;
}

int32_t fetchInto(const FetchOrder& order, const FetchServices& services, Payload payload) {
  for (int attempt = 1;; ++attempt) {
    bool transient = false;
    int32_t outcome = fetchOnce(order, services, payload, transient);
    if (!transient || attempt == kTries) return outcome;
    services.clock->sleepMs(kRetryPauseMs);
  }
}

}  // namespace

std::u16string partPathFor(const std::u16string& localPath) {
  return (base::Format(u"%s.%d-%d") % localPath % int64_t(base::currentProcessId()) %
          int64_t(partNumbers.fetch_add(1)))
             .str() +
         std::u16string(kPartEnd);
}

size_t removeStaleParts(const std::u16string& folder) {
  size_t removed = 0;
  for (const std::u16string& name : base::files::listFiles(folder)) {
    if (!base::endsWith(name, kPartEnd)) continue;
    std::u16string path = base::joinPath(folder, name);
    if (std::optional<uint32_t> owner = partOwner(name)) {
      if (*owner != base::currentProcessId() && !base::processRunning(*owner)) removed += base::files::remove(path);
    } else if (isLibraryFile(std::u16string_view(name).substr(0, name.size() - kPartEnd.size())) &&
               base::OutputFile::removeUnlessHeld(path)) {
      removed += 1;
    }
  }
  return removed;
}

int32_t completionCodeFor(const std::u16string& localPath) {
  return base::contains(localPath, u".xml") ? kStepItemListFetched : kStepBlockFetched;
}

int32_t fetchWorker(const FetchOrder& order, const FetchServices& services) {
  // Only a file whose kind is known can be checked before it replaces anything.
  std::optional<Payload> payload = payloadFor(order.localPath);
  int32_t outcome = payload ? fetchInto(order, services, *payload) : kFetchFailed;
  tell(order, outcome);
  return outcome;
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
    tell(task->first, kFetchFailed);
  }
}

size_t fetchWorkersRunning() { return runningWorkers.load(); }

}  // namespace update
