// The update walk: a chain of steps, one per gallery command message handled by the update dialog.
// It first brings the item list of every category that holds blocks up to date, then fetches every
// listed block that is not on disk as that list names it, several at once, in the order of the
// category index.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "update/UpdateRecord.h"
#include "update/UpdateWalkHost.h"
#include "update/WalkState.h"

namespace update {

inline constexpr size_t kFetchesAtOnce = 6;

class UpdateWalk {
public:
  UpdateWalk(WalkState& state, UpdateWalkHost& host) : state_(state), host_(host) {}
  // The dialog has gone: fetches in flight are given up (they are asked for again by the next walk,
  // from their category on), and what was learnt about the library files is saved.
  ~UpdateWalk();
  UpdateWalk(const UpdateWalk&) = delete;
  UpdateWalk& operator=(const UpdateWalk&) = delete;

  // The dialog has opened: downloads that programs ended early left in the library's folders are
  // removed, and the walk begins with the row at the category cursor (or, when an earlier dialog
  // left blocks unfetched, at the first of their rows).
  void start();
  // One step: lParam is the step code, wParam its argument (a completion word, or a percentage).
  // Unknown codes are ignored.
  void handleStep(uint32_t wParam, int32_t lParam);

  // Blocks fetched and stored by this dialog's walk (set back to 0 once a reload was asked for).
  int32_t downloadedCount() const { return downloadedCount_; }
  // Block fetches started by this dialog's walk.
  int32_t attemptedCount() const { return attemptedCount_; }

private:
  void nextCategory();
  void fetchItemList(const library::CategoryRow& row);
  void itemListFetched(int32_t outcome);
  void chooseBlocksToFetch();
  void fetchBlocks();
  void blockFetched(uint32_t word);
  void blockStored(const BlockToFetch& fetched);
  void walkComplete();
  void failureEnding();
  void moveToNextCategory();
  bool cursorOnRow() const;
  const library::CategoryRow& currentRow() const;
  std::u16string blockUrl(const BlockToFetch& fetch) const;
  std::u16string blockPath(const library::BlockRecord& block) const;
  // "\n<text> <category cursor>\n" on the debugger output.
  void trace(std::u16string_view text);

  WalkState& state_;
  UpdateWalkHost& host_;
  std::unique_ptr<UpdateRecord> record_;
  std::map<uint32_t, BlockToFetch> inFlight_;  // by ticket, which grows with the start order
  std::shared_ptr<AnsweredValidators> listAnswer_ = std::make_shared<AnsweredValidators>();
  uint32_t nextTicket_ = 1;
  bool ended_ = false;
  uint64_t weightToFetch_ = 0;  // the bar runs over the blocks and bytes of the block phase
  uint64_t weightDone_ = 0;
  int32_t downloadedCount_ = 0;
  int32_t attemptedCount_ = 0;
};

}  // namespace update
