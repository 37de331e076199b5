// A CAD program busy with its own work refuses calls from outside for a while. Such a call is
// made again every 250 ms for at most 5 s, while the caller's windows keep handling their
// messages; then the refusal stands.
#pragma once
#include <cstdint>
#include <functional>

namespace cad {

inline constexpr uint32_t kBusyPause = 250;
inline constexpr uint32_t kBusyLimit = 5000;

// The two answers of a busy program: RPC_E_CALL_REJECTED and RPC_E_SERVERCALL_RETRYLATER.
bool busyAnswer(int32_t result);

// Makes the call until it gives an answer other than busy or kBusyLimit milliseconds have gone by
// (as now() tells, in wrapping milliseconds), pausing kBusyPause between tries; the last answer.
int32_t callWhileBusy(const std::function<int32_t()>& call, const std::function<void(uint32_t)>& pause,
                      const std::function<uint32_t()>& now);

}  // namespace cad
