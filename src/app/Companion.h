// Kestrun.dll, the companion library beside the program: its export openCAD says whether a CAD
// program is already taking care of the user, in which case an argument-less start ends at once.
#pragma once
#include <string>

namespace app {

// A missing library or export counts as false: the start goes on to a stand-alone gallery.
bool companionOpensCad(const std::u16string& programFolder);

}  // namespace app
