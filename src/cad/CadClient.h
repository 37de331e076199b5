// Reaching the CAD program the user draws in when no host started the gallery: the frontmost of
// the running programs of CadPrograms.h gets a command line in its current drawing and comes to
// the front. Windows only (CadClient_win.cpp); called on the user-interface thread, which has
// initialised COM.
#pragma once
#include <string>

namespace cad {

// Sends the command to the current drawing of the running CAD program whose main window is
// highest, then brings that window to the front. A busy program is asked again (BusyRetry.h)
// while this thread's windows go on painting and ticking; mouse and keys wait. False when no
// such program runs or a call failed; the failure log then says why.
bool sendToRunningProgram(const std::u16string& command);

}  // namespace cad
