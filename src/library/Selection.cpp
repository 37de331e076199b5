#include "library/Selection.h"

#include "base/FailureLog.h"
#include "base/Path.h"
#include "base/Profile.h"
#include "base/SystemError.h"
#include "library/Layout.h"

namespace library {

namespace {
constexpr char16_t kSection[] = u"GallerySel";
constexpr char16_t kKey[] = u"Sel";
constexpr size_t kReadBuffer = 100;
}  // namespace

std::u16string settingsFile(const std::u16string& dataRoot) { return base::joinPath(dataRoot, kSettingsFile); }

std::u16string readSelection(const std::u16string& dataRoot, const std::u16string& fallback) {
  return base::profile::readString(settingsFile(dataRoot), kSection, kKey, fallback, kReadBuffer);
}

bool writeSelection(const std::u16string& dataRoot, const std::u16string& selection) {
  if (base::profile::writeString(settingsFile(dataRoot), kSection, kKey, selection)) return true;
  base::logFailure(u"write the specialty choice to " + settingsFile(dataRoot), base::lastSystemError());
  return false;
}

bool enableSpecialtyAt(const std::u16string& dataRoot, size_t position) {
  std::u16string selection = readSelection(dataRoot, kDefaultSelection);
  if (selection.size() <= position) selection.resize(position + 1, u'0');
  bool wasOn = selection[position] != u'0';
  selection[position] = u'1';
  writeSelection(dataRoot, selection);
  return wasOn;
}

bool enableLandscapeSpecialty(const std::u16string& dataRoot) {
  return enableSpecialtyAt(dataRoot, kLandscapePosition);
}

bool enableSecuritySpecialty(const std::u16string& dataRoot) {
  return enableSpecialtyAt(dataRoot, kSecurityPosition);
}

bool selectionGainsSpecialty(std::u16string_view oldSelection, std::u16string_view newSelection) {
  for (size_t j = 0; j < newSelection.size(); ++j) {
    char16_t before = j < oldSelection.size() ? oldSelection[j] : char16_t(0);
    if (before < newSelection[j]) return true;
  }
  return false;
}

}  // namespace library
