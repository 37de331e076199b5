// A lock shared by every program of the user that asks for the same name: a named mutex on
// Windows, an exclusive flock on a lock file in the temporary folder elsewhere. Held from
// construction to destruction. It waits at most kNamedLockWait; a program that cannot get it logs
// the failure and goes on without it, since saving unguarded is better than not saving at all.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/KernelHandle.h"

namespace base {

inline constexpr uint32_t kNamedLockWait = 10000;  // milliseconds

class NamedLock {
public:
  // name: letters, digits, "." and "-" only (it becomes part of a kernel object or file name).
  explicit NamedLock(std::u16string_view name);
  ~NamedLock();
  NamedLock(const NamedLock&) = delete;
  NamedLock& operator=(const NamedLock&) = delete;

  bool held() const { return held_; }

private:
  KernelHandle handle_;
  bool held_ = false;
};

}  // namespace base
