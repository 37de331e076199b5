#include "gallery/SpecialtyChoice.h"

namespace gallery {

namespace {
constexpr size_t kShortLabel = 10;
}  // namespace

std::u16string specialtyLabel(const std::u16string& localName, const std::u16string& number) {
  std::u16string label = library::displayName(localName) + u" " + number;
  size_t length = label.size();
  for (size_t missing = length; missing < kShortLabel; ++missing) label += u"  ";
  return label;
}

std::vector<std::u16string> specialtyLabels(const library::IndexEntries& entries,
                                            const library::SpecialtyNumbers& numbers) {
  std::vector<std::u16string> labels;
  for (size_t i = 0; i < entries.size() && labels.size() < kSpecialtyBoxes; ++i) {
    if (entries.kinds[i] != library::EntryKind::Specialty) continue;
    size_t specialty = labels.size();
    labels.push_back(specialtyLabel(entries.localNames[i], specialty < numbers.size() ? numbers[specialty] : u""));
  }
  return labels;
}

SpecialtyTicks ticksOf(std::u16string_view selection) {
  SpecialtyTicks ticks{};
  for (size_t i = 0; i < selection.size() && i < kSpecialtyBoxes; ++i) ticks[i] = selection[i] == u'1';
  return ticks;
}

std::u16string selectionOf(const SpecialtyTicks& ticks) {
  std::u16string selection;
  selection.reserve(kSpecialtyBoxes);
  for (bool ticked : ticks) selection += ticked ? u'1' : u'0';
  return selection;
}

}  // namespace gallery
