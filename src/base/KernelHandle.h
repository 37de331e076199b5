// An owned kernel handle, closed by its destructor: a HANDLE (event, process, thread, file, mutex)
// on Windows, a file descriptor elsewhere. The one owner of such handles in the program.
#pragma once
#include <cstdint>
#include <utility>

namespace base {

class KernelHandle {
public:
#ifdef _WIN32
  using Native = void*;  // HANDLE; both null and INVALID_HANDLE_VALUE mean none
#else
  using Native = int;  // a file descriptor; negative means none
#endif

  KernelHandle() = default;
  explicit KernelHandle(Native handle) : handle_(valid(handle) ? handle : kNone) {}
  ~KernelHandle() { close(); }
  KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, kNone)) {}
  KernelHandle& operator=(KernelHandle&& other) noexcept {
    if (this != &other) {
      close();
      handle_ = std::exchange(other.handle_, kNone);
    }
    return *this;
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;

  Native get() const { return handle_; }
  explicit operator bool() const { return handle_ != kNone; }
  // Lets go of the handle without closing it.
  Native release() { return std::exchange(handle_, kNone); }
  // False when the system reported a failure closing it (a write may not have reached the disk).
  bool close();

private:
#ifdef _WIN32
  static constexpr Native kNone = nullptr;
  static bool valid(Native h) { return h != nullptr && reinterpret_cast<intptr_t>(h) != -1; }
#else
  static constexpr Native kNone = -1;
  static bool valid(Native h) { return h >= 0; }
#endif

  Native handle_ = kNone;
};

}  // namespace base
