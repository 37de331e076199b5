#include "skin/SkinnedWindow.h"

namespace skin {

SkinTitle titleOf(SkinnedWindow window) {
  switch (window) {
    case SkinnedWindow::Gallery:
    case SkinnedWindow::SpecialtySelection:
      return {u"墨匣", {32, 7, 148, 18}};
    case SkinnedWindow::UpdateProgress:
      return {u"墨匣更新", {32, 7, 88, 18}};
    case SkinnedWindow::EmptyLibraryPrompt:
      // A prompt, not the update itself: it says so in its title.
      return {u"墨匣提示", {32, 7, 88, 18}};
  }
  return {};
}

bool hasButtonBand(SkinnedWindow window) { return window != SkinnedWindow::Gallery; }

}  // namespace skin
