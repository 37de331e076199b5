#include "win/MessageWait.h"

#include "win/Dialog.h"

namespace win {

bool pumpPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(int(message.wParam));
      return false;
    }
    if (!Dialog::translateForActiveModal(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return true;
}

WaitOutcome waitPumping(HANDLE object, DWORD milliseconds) {
  DWORD start = GetTickCount();
  for (;;) {
    DWORD left = INFINITE;
    if (milliseconds != INFINITE) {
      DWORD spent = GetTickCount() - start;
      if (spent >= milliseconds) return WaitOutcome::TimedOut;
      left = milliseconds - spent;
    }
    DWORD woke = MsgWaitForMultipleObjectsEx(1, &object, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0) return WaitOutcome::Signalled;
    if (woke == WAIT_TIMEOUT) return WaitOutcome::TimedOut;
    if (woke != WAIT_OBJECT_0 + 1) return WaitOutcome::TimedOut;  // a failed wait: give up, not spin
    if (!pumpPending()) return WaitOutcome::Quit;
  }
}

}  // namespace win
