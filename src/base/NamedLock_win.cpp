#include "base/NamedLock.h"

#include <windows.h>

#include "base/FailureLog.h"
#include "base/WinText.h"

namespace base {

NamedLock::NamedLock(std::u16string_view name, uint32_t waitMs) {
  // "Local\": one per logon session, which is where all galleries of the user run.
  std::u16string full = u"Local\\" + std::u16string(name);
  handle_ = KernelHandle(CreateMutexW(nullptr, FALSE, wide(full)));
  if (!handle_) {
    logFailure(u"create the mutex " + full, GetLastError());
    return;
  }
  // An abandoned mutex (its holder died) is held now all the same; the files it guarded are whole,
  // since every save replaces them in one step.
  DWORD waited = WaitForSingleObject(handle_.get(), waitMs);
  held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  if (!held_) logFailure(u"wait for the mutex " + full, waited == WAIT_TIMEOUT ? WAIT_TIMEOUT : GetLastError());
}

NamedLock::~NamedLock() {
  if (held_ && !ReleaseMutex(handle_.get())) logFailure(u"release a mutex", GetLastError());
}

}  // namespace base
