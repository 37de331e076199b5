// The update walk: a chain of steps, one per gallery command message handled by the update dialog.
// It fetches the item list of every category that holds blocks, then every listed block whose file
// is not on disk yet, one file at a time.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "update/UpdateWalkHost.h"
#include "update/WalkState.h"

namespace update {

class UpdateWalk {
public:
  UpdateWalk(WalkState& state, UpdateWalkHost& host) : state_(state), host_(host) {}

  // The dialog has opened: downloads that programs ended early left in the library's folders are
  // removed, and the walk begins with the row at the category cursor.
  void start();
  // One step: lParam is the step code, wParam its argument (1 success / 0 failure, or a percentage).
  // Unknown codes are ignored.
  void handleStep(uint32_t wParam, int32_t lParam);

  // Blocks fetched and stored by this dialog's walk (set back to 0 once a reload was asked for).
  int32_t downloadedCount() const { return downloadedCount_; }
  // Block fetches started by this dialog's walk.
  int32_t attemptedCount() const { return attemptedCount_; }

private:
  void nextCategory();
  void fetchItemList(const library::CategoryRow& row);
  void itemListFetched(bool success);
  void nextBlock();
  void blockFetched(bool success);
  void walkComplete();
  void failureEnding();
  void moveToNextCategory();
  bool cursorOnRow() const;
  const library::CategoryRow& currentRow() const;
  // "\n<text> <category cursor>\n" on the debugger output.
  void trace(std::u16string_view text);

  WalkState& state_;
  UpdateWalkHost& host_;
  int32_t downloadedCount_ = 0;
  int32_t attemptedCount_ = 0;
};

}  // namespace update
