// An owned kernel handle (event, process, thread, file), closed with CloseHandle: the one owner
// of such handles in the Windows code. Windows only, like WinText.h.
#pragma once
#include <windows.h>

#include <utility>

namespace base {

class KernelHandle {
public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  ~KernelHandle() { close(); }
  KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  KernelHandle& operator=(KernelHandle&& other) noexcept {
    if (this != &other) {
      close();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Lets go of the handle without closing it.
  HANDLE release() { return std::exchange(handle_, nullptr); }
  void close() {
    if (handle_) CloseHandle(handle_);
    handle_ = nullptr;
  }

private:
  HANDLE handle_ = nullptr;
};

}  // namespace base
