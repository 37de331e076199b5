// The four windows that paint their own frame and title band, and what the common paint draws
// differently for each: the title, where it goes, and whether a grey band lies behind the buttons.
#pragma once
#include <string>

#include "skin/SkinBox.h"

namespace skin {

enum class SkinnedWindow {
  Gallery,             // the main gallery window
  SpecialtySelection,  // choosing the specialties to show
  UpdateProgress,      // the library update with its progress bar
  EmptyLibraryPrompt,  // offered when a category has no blocks yet
};

struct SkinTitle {
  std::u16string text;
  SkinBox box;  // one line, vertically centred, left-aligned, cut with an ellipsis at its right
};

SkinTitle titleOf(SkinnedWindow window);

// Every window but the main one fills the band behind its buttons.
bool hasButtonBand(SkinnedWindow window);

}  // namespace skin
