#include "search/ReadingTable.h"

#include <algorithm>

namespace search {

namespace data {
extern const char kSyllables[];
extern const size_t kSyllableCount;
extern const uint32_t kReadings[];
extern const size_t kReadingCount;
extern const uint64_t kVariants[];
extern const size_t kVariantCount;
}  // namespace data

namespace {

constexpr int kSyllableBits = 11;
constexpr char32_t kCommonFirst = 0x3400;
constexpr char32_t kCommonLast = 0x9FFF;

}  // namespace

const ReadingTable& ReadingTable::instance() {
  static const ReadingTable table;
  return table;
}

ReadingTable::ReadingTable() {
  const char* p = data::kSyllables;
  for (size_t k = 0; k < data::kSyllableCount; ++k) {
    Syllable s(p);
    syllables_.push_back(s);
    p += s.size() + 1;
  }
  for (size_t k = 0; k < data::kReadingCount; ++k) {
    char32_t c = data::kReadings[k] >> kSyllableBits;
    if (chars_.empty() || chars_.back() != c) {
      chars_.push_back(c);
      firstOf_.push_back(uint32_t(numbers_.size()));
    }
    numbers_.push_back(uint16_t(data::kReadings[k] & ((1u << kSyllableBits) - 1)));
  }
  firstOf_.push_back(uint32_t(numbers_.size()));
  for (size_t k = 0; k < data::kVariantCount; ++k)
    variants_.emplace_back(char32_t(data::kVariants[k] >> 32), char32_t(data::kVariants[k] & 0xFFFFFFFF));

  for (char32_t c = kCommonFirst; c <= kCommonLast; ++c) {
    char32_t s = c;
    auto v = std::lower_bound(variants_.begin(), variants_.end(), std::pair<char32_t, char32_t>(c, 0));
    if (v != variants_.end() && v->first == c && v->second <= 0xFFFF) s = v->second;
    commonSimplified_.push_back(char16_t(s));
  }
  for (char32_t c = kCommonFirst; c <= kCommonLast; ++c) {
    uint32_t own = lookUp(c);
    commonReadings_.push_back(own != kNoReadings ? own : lookUp(simplified(c)));
  }
}

char32_t ReadingTable::simplified(char32_t c) const {
  if (c >= kCommonFirst && c <= kCommonLast) return commonSimplified_[c - kCommonFirst];
  auto v = std::lower_bound(variants_.begin(), variants_.end(), std::pair<char32_t, char32_t>(c, 0));
  return v != variants_.end() && v->first == c ? v->second : c;
}

uint32_t ReadingTable::lookUp(char32_t c) const {
  auto found = std::lower_bound(chars_.begin(), chars_.end(), c);
  return found != chars_.end() && *found == c ? uint32_t(found - chars_.begin()) : kNoReadings;
}

uint32_t ReadingTable::readingsOf(char32_t c) const {
  if (c >= kCommonFirst && c <= kCommonLast) return commonReadings_[c - kCommonFirst];
  if (c < 0x3000) return kNoReadings;  // nothing below the CJK symbols has a reading
  uint32_t own = lookUp(c);
  return own != kNoReadings ? own : lookUp(simplified(c));
}

std::span<const uint16_t> ReadingTable::syllables(uint32_t handle) const {
  if (handle == kNoReadings || handle + 1 >= firstOf_.size()) return {};
  return std::span<const uint16_t>(numbers_.data() + firstOf_[handle], firstOf_[handle + 1] - firstOf_[handle]);
}

}  // namespace search
