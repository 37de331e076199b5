// Which tile each image of the list's image list holds. The list may show far more items than it
// keeps images: slot 0 is the empty frame every item shows until its tile comes, the other slots
// hold the tiles of the items drawn most recently, and a new tile takes the slot used least lately.
#pragma once
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace thumbs {

class TileSlots {
public:
  // slots counts slot 0 too; at least 2.
  explicit TileSlots(size_t slots);

  size_t slots() const { return ages_.size(); }
  // The slot showing item's tile, 0 when none does; a slot found counts as just used.
  int slotOf(size_t item);
  bool holds(size_t item) const { return slotOfItem_.count(item) != 0; }
  // The slot for item's tile: its own, else the one used least lately, which its item gives up.
  int place(size_t item);
  void clear();

private:
  static constexpr size_t kNone = SIZE_MAX;
  std::vector<uint64_t> ages_;   // per slot, when it was last used
  std::vector<size_t> itemOf_;   // per slot, the item it holds or kNone
  std::unordered_map<size_t, int> slotOfItem_;
  uint64_t clock_ = 0;
};

}  // namespace thumbs
