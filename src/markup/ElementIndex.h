// The element positions of a markup text: eight 32-bit fields per element, kept in segments of
// 65,536 records so that growing copies only the segment table and the last segment.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace markup {

struct ElementRecord {
  enum : uint32_t {
    kLevelMask = 0xFFFF,
    kFirstChild = 0x80000,
    kUnended = 0x100000,
    kHasError = 0x200000,
    kDocumentHasErrors = 0x800000,  // record 0 only
  };
  static constexpr uint32_t kStartTagMask = 0x3FFFFF;
  static constexpr uint32_t kEndTagShift = 22;

  uint32_t start = 0;
  uint32_t length = 0;
  uint32_t tagLengths = 0;
  uint32_t flags = 0;
  uint32_t parent = 0;
  uint32_t firstChild = 0;
  uint32_t nextSibling = 0;
  uint32_t previousSibling = 0;  // for a first child: the last child of the same parent

  uint32_t startTagLength() const { return tagLengths & kStartTagMask; }
  uint32_t endTagLength() const { return tagLengths >> kEndTagShift; }
  uint32_t level() const { return flags & kLevelMask; }
  void setTagLengths(uint32_t startTag, uint32_t endTag);
  void setLevel(uint32_t level) { flags = (flags & ~uint32_t(kLevelMask)) | (level & kLevelMask); }
};
static_assert(sizeof(ElementRecord) == 32);

class ElementIndex {
public:
  static constexpr uint32_t kSegmentShift = 16;
  static constexpr uint32_t kSegmentSize = 1u << kSegmentShift;

  ElementIndex();  // holds record 0 only

  // Drops every record but a zeroed record 0 and makes room for at least records in all.
  void reset(uint32_t records);
  // Appends a zeroed record, growing by half when full; returns its number.
  uint32_t append();

  ElementRecord& operator[](uint32_t n) { return segments_[n >> kSegmentShift][n & (kSegmentSize - 1)]; }
  const ElementRecord& operator[](uint32_t n) const { return segments_[n >> kSegmentShift][n & (kSegmentSize - 1)]; }

  // Makes record n a child of parent, right after its child `after`, or its first child when
  // parent has none yet; pass the last child (lastChild) to append.
  void link(uint32_t parent, uint32_t n, uint32_t after) {
    ElementRecord& r = (*this)[n];
    ElementRecord& up = (*this)[parent];
    r.parent = parent;
    if (up.firstChild == 0) {
      up.firstChild = n;
      r.previousSibling = n;
      r.flags |= ElementRecord::kFirstChild;
      return;
    }
    ElementRecord& before = (*this)[after];
    r.nextSibling = before.nextSibling;
    r.previousSibling = after;
    before.nextSibling = n;
    (*this)[r.nextSibling ? r.nextSibling : up.firstChild].previousSibling = n;
  }
  uint32_t lastChild(uint32_t parent) const {
    const uint32_t first = (*this)[parent].firstChild;
    return first ? (*this)[first].previousSibling : 0;
  }

  uint32_t size() const { return size_; }
  uint32_t capacity() const { return capacity_; }
  size_t segmentCount() const { return segments_.size(); }
  size_t segmentTableCapacity() const { return segments_.capacity(); }

private:
  void grow(uint32_t capacity);

  std::vector<std::unique_ptr<ElementRecord[]>> segments_;
  uint32_t size_ = 0;
  uint32_t capacity_ = 0;
};

}  // namespace markup
