// The texts of the details panel below the tree: name, <Spec> text, details, manufacturer and
// the more-info link of the block last clicked.
#pragma once
#include <array>
#include <string>

#include "library/Records.h"

namespace gallery {

class DetailsPanel {
public:
  enum Field { Name = 0, Spec = 1, Detail = 2, Mfrs = 3, Link = 4, kFieldCount = 5 };

  // "no" stands for an empty value; the name loses a short prefix such as "01_".
  void showBlock(const library::BlockRecord& block);
  // A user's own block: the text between the path's last separator and the last "." after it
  // (empty without such a "."), and nothing else.
  void showUserBlock(const std::u16string& path);
  // Returns false, leaving everything as it is, when the panel was already empty (nothing to repaint).
  bool clearIfShown();
  void clear();

  const std::u16string& text(Field field) const { return texts_[field]; }
  bool empty() const { return texts_[Name].empty(); }

private:
  std::array<std::u16string, kFieldCount> texts_;
};

}  // namespace gallery
