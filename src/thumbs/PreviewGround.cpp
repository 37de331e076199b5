#include "thumbs/PreviewGround.h"

#include <array>

namespace thumbs {

namespace {

// Open addressing over the colours met; previews hold few colours, and runs of one colour are
// counted at once. Once the table is nearly full, further new colours are not counted: by then the
// ground has long been met.
class ColourTally {
public:
  void add(uint32_t colour, uint32_t count) {
    size_t at = hash(colour);
    for (;;) {
      Slot& slot = slots_[at];
      if (slot.count == 0) {
        if (used_ >= kSlots * 3 / 4) return;
        slot = {colour, count};
        ++used_;
        return;
      }
      if (slot.colour == colour) {
        slot.count += count;
        return;
      }
      at = (at + 1) & (kSlots - 1);
    }
  }

  uint32_t winner() const {
    Slot best{base::kWhite, 0};
    for (const Slot& slot : slots_) {
      if (slot.count > best.count) best = slot;
    }
    return best.colour;
  }

private:
  static constexpr size_t kSlots = 1024;
  struct Slot {
    uint32_t colour;
    uint32_t count;
  };
  static size_t hash(uint32_t colour) { return (colour * 2654435761u) >> 22; }
  std::array<Slot, kSlots> slots_{};
  size_t used_ = 0;
};

}  // namespace

uint32_t mostFrequentColour(const base::Image& image) {
  ColourTally tally;
  const uint32_t* p = image.pixels.data();
  const uint32_t* end = p + image.pixels.size();
  while (p != end) {
    const uint32_t* run = p;
    uint32_t colour = *p;
    while (p != end && *p == colour) ++p;
    tally.add(colour | base::kOpaque, uint32_t(p - run));
  }
  return tally.winner();
}

bool isDarkColour(uint32_t colour) {
  return 299 * base::redOf(colour) + 587 * base::greenOf(colour) + 114 * base::blueOf(colour) < 127500;
}

}  // namespace thumbs
