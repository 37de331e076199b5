// Windows side. The gallery's short note: one line in the window's font, framed like the details
// box, standing over the bottom of the thumbnail list for a few seconds. It never takes the focus
// or the mouse, and goes with the gallery when that hides. Its window title is the note, so
// whoever looks for the note finds it by its text.
#pragma once
#include <windows.h>

#include <string>

#include "base/DisplayScale.h"
#include "win/PassivePopup.h"

namespace gallery {

class NotePopup : public win::PassivePopup {
public:
  // Shows the note centred over the bottom of area (the owner's client coordinates), sized for
  // the owner's display setting.
  void show(HWND owner, const RECT& area, const std::u16string& note, int dpi);
  void hide();

protected:
  bool OnPaint() override;
  bool OnTimer(UINT_PTR id) override;

private:
  std::u16string note_;
  uint32_t shownAt_ = 0;
  int dpi_ = base::kBaseDpi;
};

}  // namespace gallery
