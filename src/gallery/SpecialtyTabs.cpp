#include "gallery/SpecialtyTabs.h"

namespace gallery {

std::u16string tabLabel(const std::u16string& specialtyName) {
  switch (specialtyName.size()) {
    case 2: return u"【   " + specialtyName + u"   】";
    case 3: return u"【  " + specialtyName + u" 】";
    default: return u"【" + specialtyName + u"】";
  }
}

void SpecialtyTabs::reset(std::vector<std::u16string> specialtyNames) {
  names_ = std::move(specialtyNames);
  offset_ = 0;
}

std::array<std::optional<std::u16string>, SpecialtyTabs::kButtons> SpecialtyTabs::labels() const {
  std::array<std::optional<std::u16string>, kButtons> shown;
  for (size_t button = 0; button < kButtons; ++button) {
    if (auto specialty = specialtyAt(button)) shown[button] = tabLabel(names_[*specialty]);
  }
  return shown;
}

bool SpecialtyTabs::previousPage() {
  if (offset_ == 0) return false;
  offset_ -= kPageStep;
  return true;
}

bool SpecialtyTabs::nextPage() {
  if (offset_ + kButtons >= names_.size()) return false;
  offset_ += kPageStep;
  return true;
}

std::optional<size_t> SpecialtyTabs::specialtyAt(size_t button) const {
  if (button >= kButtons || offset_ + button >= names_.size()) return std::nullopt;
  return offset_ + button;
}

}  // namespace gallery
