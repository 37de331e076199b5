#include "thumbs/TileSlots.h"

#include <algorithm>

namespace thumbs {

TileSlots::TileSlots(size_t slots) : ages_(std::max<size_t>(slots, 2), 0), itemOf_(ages_.size(), kNone) {}

int TileSlots::slotOf(size_t item) {
  auto found = slotOfItem_.find(item);
  if (found == slotOfItem_.end()) return 0;
  ages_[size_t(found->second)] = ++clock_;
  return found->second;
}

int TileSlots::place(size_t item) {
  if (int own = slotOf(item)) return own;
  size_t slot = size_t(std::min_element(ages_.begin() + 1, ages_.end()) - ages_.begin());
  if (itemOf_[slot] != kNone) slotOfItem_.erase(itemOf_[slot]);
  itemOf_[slot] = item;
  slotOfItem_[item] = int(slot);
  ages_[slot] = ++clock_;
  return int(slot);
}

void TileSlots::clear() {
  std::fill(ages_.begin(), ages_.end(), 0);
  std::fill(itemOf_.begin(), itemOf_.end(), kNone);
  slotOfItem_.clear();
}

}  // namespace thumbs
