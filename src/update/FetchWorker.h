// A download on a thread of its own that puts the file in place only when it arrived whole and is
// plausibly what was asked for.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "update/Clock.h"
#include "update/HttpSource.h"
#include "update/ReportWindow.h"

namespace update {

// What one worker fetches; the worker keeps its own copy.
struct FetchOrder {
  std::u16string url;        // absolute http URL on the update server
  std::u16string localPath;  // the library file to create or replace; ends in ".xml" or ".dwg"
  std::shared_ptr<ReportWindow> window;  // progress and completion go here; may be null
  std::optional<uint64_t> size{};         // a block's size in bytes, when its item list gives it
};

// What every worker needs from the platform: a fresh HTTP session per fetch, and time.
struct FetchServices {
  HttpSourceFactory openSession;
  std::shared_ptr<Clock> clock;
};

// The download's private name beside its target: the target's name and ".part", which no library
// file has. It is created anew, so a second download of the same file fails instead of sharing it.
std::u16string partPathFor(const std::u16string& localPath);
// Removes the ".dwg.part" and ".xml.part" files in folder that no download holds open, left by
// programs that ended while downloading; gives how many went.
size_t removeStaleParts(const std::u16string& folder);
// The completion code: item list (1) when the path contains ".xml" anywhere, block (3) otherwise.
int32_t completionCodeFor(const std::u16string& localPath);

// Runs one worker on the calling thread and returns its result: 1 when the library file was replaced
// by a whole download that passed downloadFault, 0 when the old file (if any) was left as it was.
// A target ending in neither ".xml" nor ".dwg" is refused untouched.
int32_t fetchWorker(const FetchOrder& order, const FetchServices& services);

// Starts fetchWorker on a new detached thread and returns at once. Nobody waits for it: the
// thread owns copies of everything it uses, and a window that is gone is simply not told.
void startFetchWorker(FetchOrder order, FetchServices services);

// Workers started and not yet ended, in this process.
size_t fetchWorkersRunning();

}  // namespace update
