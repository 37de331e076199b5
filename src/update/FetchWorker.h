// A download on a thread of its own that puts the file in place only when it arrived whole and is
// plausibly what was asked for.
#pragma once
#include <cstddef>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "update/Clock.h"
#include "update/FetchJob.h"
#include "update/HttpSource.h"
#include "update/ReportWindow.h"

namespace update {

// Where a worker leaves the validators of the file it stored, for whoever started it to keep;
// read once the completion has arrived.
struct AnsweredValidators {
  std::mutex lock;
  FileValidators validators;
};

// What one worker fetches; the worker keeps its own copy.
struct FetchOrder {
  std::u16string url;        // absolute http URL on the update server
  std::u16string localPath;  // the library file to create or replace; ends in ".xml" or ".dwg"
  std::shared_ptr<ReportWindow> window;  // progress and completion go here; may be null
  std::optional<uint64_t> size{};         // a block's size in bytes, when its item list gives it
  uint32_t ticket = 0;                    // handed back with the completion, so a walk knows which fetch ended
  bool showsProgress = true;              // progress reports to window while the file arrives
  FileValidators validators{};            // what the local file was fetched with; sent back when given
  std::shared_ptr<AnsweredValidators> answered{};  // filled when a new file is stored; may be null
  std::u16string recordRoot{};  // when given, the worker keeps a stored file's validators in that
                                // data root's update record itself (for a fetch no walk follows)
};

// How a worker ended; the completion report carries it with the order's ticket (UpdateCodes.h).
enum FetchOutcome : int32_t {
  kFetchFailed = 0,  // the old file (if any) is as it was
  kFetchStored = 1,  // the library file was replaced by a whole download that passed downloadFault
  kFetchHeld = 2,    // a whole download could not replace the file: a program holds it open
  kFetchUnchanged = 3,  // the server answered that the file sent validators for has not changed
};

// What every worker needs from the platform: an HTTP session per fetch, and time. Once dropAll is
// set, every transfer of these services stops at its next read and fails.
struct FetchServices {
  HttpSourceFactory openSession;
  std::shared_ptr<Clock> clock;
  std::shared_ptr<std::atomic<bool>> dropAll = std::make_shared<std::atomic<bool>>(false);
};

// The download's private name beside its target: the target's name, this program's id, a number
// no other download of this program has, and ".part" ("Oak.dwg.4120-7.part"), a name no library
// file has. Two downloads of one file, in one program or two, never share or remove each other's.
std::u16string partPathFor(const std::u16string& localPath);
// Removes the ".dwg" and ".xml" parts in folder left by programs that have ended (and those of the
// older form "Oak.dwg.part" that nobody holds open); gives how many went. A part of a running
// program stays: it may be whole and about to take its target's place.
size_t removeStaleParts(const std::u16string& folder);
// The completion code: item list (1) when the path contains ".xml" anywhere, block (3) otherwise.
int32_t completionCodeFor(const std::u16string& localPath);

// Runs one worker on the calling thread and returns its FetchOutcome. A transient failure (no
// answer, a broken connection, a 5xx status) is tried again twice after a short pause. A target
// ending in neither ".xml" nor ".dwg" is refused untouched.
int32_t fetchWorker(const FetchOrder& order, const FetchServices& services);

// Starts fetchWorker on a new detached thread and returns at once. Nobody waits for it: the
// thread owns copies of everything it uses, and a window that is gone is simply not told.
void startFetchWorker(FetchOrder order, FetchServices services);

// Workers started and not yet ended, in this process.
size_t fetchWorkersRunning();

}  // namespace update
