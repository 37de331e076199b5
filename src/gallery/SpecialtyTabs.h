// The row of five specialty tab buttons and its paging by four.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace gallery {

// "【%s】", with the 3- and 2-character names padded so short labels keep the tab's width.
std::u16string tabLabel(const std::u16string& specialtyName);

class SpecialtyTabs {
public:
  static constexpr size_t kButtons = 5;
  static constexpr size_t kPageStep = 4;  // the last tab of a page is the first of the next

  // The shown names of the specialties in tab order; back to the first page.
  void reset(std::vector<std::u16string> specialtyNames);

  // One label per button; an empty optional hides that button.
  std::array<std::optional<std::u16string>, kButtons> labels() const;

  // Both return false, changing nothing, on the first or last page.
  bool previousPage();
  bool nextPage();

  // Which specialty (position among the tabs' specialties) button k stands for now.
  std::optional<size_t> specialtyAt(size_t button) const;

  size_t offset() const { return offset_; }
  size_t count() const { return names_.size(); }

private:
  std::vector<std::u16string> names_;
  size_t offset_ = 0;
};

}  // namespace gallery
