// Waiting on the user-interface thread without freezing it: while a worker may still send
// messages to this thread's windows, a plain wait would deadlock, so the wait keeps dispatching.
#pragma once
#include <windows.h>

namespace win {

enum class WaitOutcome { Signalled, TimedOut, Quit };

// Waits until the object is signalled or the time (INFINITE allowed) has passed, dispatching every
// message meanwhile through the active modal dialog's PreTranslateMessage. A quit message ends the
// wait and stays posted.
WaitOutcome waitPumping(HANDLE object, DWORD milliseconds);

// Dispatches every message already queued; false when a quit message was met (it stays posted).
bool pumpPending();

}  // namespace win
