// A download on a thread of its own that puts the file in place only when it arrived whole.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
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
};

// What every worker needs from the platform: a fresh HTTP session per fetch, and time.
struct FetchServices {
  HttpSourceFactory openSession;
  std::shared_ptr<Clock> clock;
};

// The sibling the download goes to: every ".xml" becomes "_.xml", then every ".dwg" "_.dwg".
std::u16string temporaryPathFor(const std::u16string& localPath);
// The completion code: item list (1) when the path contains ".xml" anywhere, block (3) otherwise.
int32_t completionCodeFor(const std::u16string& localPath);

// Runs one worker on the calling thread and returns its result: 1 when the library file was replaced
// by a whole, non-empty download, 0 when the old file (if any) was left as it was.
int32_t fetchWorker(const FetchOrder& order, const FetchServices& services);

// Starts fetchWorker on a new detached thread and returns at once. Nobody waits for it: the
// thread owns copies of everything it uses, and a window that is gone is simply not told.
void startFetchWorker(FetchOrder order, FetchServices services);

// Workers started and not yet ended, in this process.
size_t fetchWorkersRunning();

}  // namespace update
