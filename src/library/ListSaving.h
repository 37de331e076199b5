// How a gallery writes a list every gallery of the user shares (RecentlyUse.xml, UserBlock.xml):
// only under the lists' lock, never without it. A save that cannot get the lock keeps its edits
// for the next one; the last save before the program ends waits longer and, failing that (or
// failing to write the list), leaves the edits in a pending file beside the list
// ("<list>.<process id>.pending"), which the next gallery to save merges in and removes.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/NamedLock.h"

namespace library {

// When a save runs: how long it waits for the lock, and whether the program ends after it.
struct SaveTime {
  uint32_t lockWait = 0;  // milliseconds
  bool last = false;

  // An ordinary save runs on the window's thread, which must not wait long.
  static constexpr SaveTime ordinary() { return {2000, false}; }
  static constexpr SaveTime lastOne() { return {base::kNamedLockWait, true}; }
};

enum class SaveOutcome { Written, Pending, Kept };  // Kept: nothing written, the edits stay

// What a save does that differs from list to list, in the order it is done under the lock.
struct ListSaveSteps {
  std::function<bool()> readList;  // the file again; false when it must be left alone
  // Applies one pending file; false when it could not be read whole (it stays for a later save).
  std::function<bool(const std::u16string& pending)> mergePending;
  std::function<bool()> writeList;                                  // this gallery's edits on top; true when written
  std::function<bool(const std::u16string& pending)> writePending;  // this gallery's edits alone
};

// Takes the lock; holding it, removes what killed saves left, reads the list, merges the pending
// files, writes the list and removes the pending files merged. Without the lock, or when the list
// could not be written, a last save puts the edits in a new pending file of this process and logs
// where they went.
SaveOutcome saveSharedList(const std::u16string& file, SaveTime when, const ListSaveSteps& steps);

// The pending files other galleries left beside file, oldest first. Call it holding the lock.
std::vector<std::u16string> pendingFilesOf(const std::u16string& file);

}  // namespace library
