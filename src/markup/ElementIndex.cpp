#include "markup/ElementIndex.h"

#include <algorithm>

namespace markup {

void ElementRecord::setTagLengths(uint32_t startTag, uint32_t endTag) {
  // Lengths beyond the fields are clamped; reading text checks spans against the text anyway.
  tagLengths = std::min(startTag, kStartTagMask) | (std::min(endTag, 0x3FFu) << kEndTagShift);
}

ElementIndex::ElementIndex() { reset(1); }

void ElementIndex::reset(uint32_t records) {
  records = std::max(records, 1u);
  if (capacity_ > records + records / 2 || capacity_ < records) {
    segments_.clear();
    capacity_ = 0;
    grow(records);
  }
  size_ = 1;
  (*this)[0] = ElementRecord{};
}

uint32_t ElementIndex::append() {
  if (size_ == capacity_) grow(capacity_ + std::max(capacity_ / 2, 8u));
  uint32_t n = size_++;
  (*this)[n] = ElementRecord{};
  return n;
}

void ElementIndex::grow(uint32_t capacity) {
  // Only a last, partly sized segment is ever reallocated; full ones stay where they are.
  auto segmentRecords = [&](size_t segment, uint32_t total) {
    return std::min<uint64_t>(kSegmentSize, uint64_t(total) - uint64_t(segment) * kSegmentSize);
  };
  if (!segments_.empty()) {
    size_t last = segments_.size() - 1;
    uint32_t had = uint32_t(segmentRecords(last, capacity_));
    uint32_t wants = uint32_t(segmentRecords(last, capacity));
    if (wants > had) {
      std::unique_ptr<ElementRecord[]> bigger(new ElementRecord[wants]);
      std::copy_n(segments_[last].get(), had, bigger.get());
      segments_[last] = std::move(bigger);
    }
  }
  size_t needed = (uint64_t(capacity) + kSegmentSize - 1) / kSegmentSize;
  while (segments_.size() < needed)
    segments_.emplace_back(new ElementRecord[segmentRecords(segments_.size(), capacity)]);
  capacity_ = capacity;
}

}  // namespace markup
