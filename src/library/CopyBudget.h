// How many characters a scan of a library text may copy into records. A tag missing from one
// record is looked for further on, so many records can copy the same later value: without a
// bound, a malformed file from the network asks for memory by the square of its size. Sound files
// copy each value once, so a few times the text's length never stops them.
#pragma once
#include <cstddef>

namespace library {

class CopyBudget {
public:
  explicit CopyBudget(size_t textLength) : left_(textLength * 4 + 4096) {}

  // False once the copies so far exceed the budget; the scan then ends with what it has.
  bool spend(size_t characters) {
    if (characters > left_) {
      left_ = 0;
      return false;
    }
    left_ -= characters;
    return true;
  }

private:
  size_t left_;
};

}  // namespace library
