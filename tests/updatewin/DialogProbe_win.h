// Watches the dialogs of this thread and reports on standard output what a user would see in
// them: where each opens and where its buttons and check boxes are (screen centres, for xdotool),
// the update dialog's status text and bar, and the check boxes' labels and ticks.
//   dialog NAME open X Y W H | dialog NAME closed       NAME: update, prompt, add
//   button NAME.PART X Y
//   status TEXT | bar N
//   check I X Y TICKED LABEL | tick I TICKED
#pragma once
#include <windows.h>

#include <map>
#include <string>

namespace updatewin {

class DialogProbe {
public:
  // Looks once; call it often (a timer of 50 ms).
  void look();

private:
  struct Seen {
    std::string name;
    bool stillThere = false;
    std::string status;
    int bar = -1;
    std::map<int, bool> ticks;
  };

  void opened(HWND dialog, Seen& seen);
  void follow(HWND dialog, Seen& seen);

  std::map<HWND, Seen> dialogs_;
};

}  // namespace updatewin
