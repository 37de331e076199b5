// A lock shared by every program of the user that asks for the same name: a named mutex on
// Windows, an exclusive flock on a lock file in the temporary folder elsewhere. Held from
// construction to destruction. It waits at most the time it is given; a program that cannot get it
// finds held() false (the failure is logged) and must leave alone what the lock guards.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/KernelHandle.h"

namespace base {

inline constexpr uint32_t kNamedLockWait = 10000;  // milliseconds, the longest a program should wait

class NamedLock {
public:
  // name: letters, digits, "." and "-" only (it becomes part of a kernel object or file name).
  NamedLock(std::u16string_view name, uint32_t waitMs);
  ~NamedLock();
  NamedLock(const NamedLock&) = delete;
  NamedLock& operator=(const NamedLock&) = delete;

  bool held() const { return held_; }

private:
  KernelHandle handle_;
  bool held_ = false;
};

}  // namespace base
