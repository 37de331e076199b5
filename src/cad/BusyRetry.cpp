#include "cad/BusyRetry.h"

namespace cad {

namespace {

constexpr int32_t kCallRejected = int32_t(0x80010001);
constexpr int32_t kRetryLater = int32_t(0x8001010A);

}  // namespace

bool busyAnswer(int32_t result) { return result == kCallRejected || result == kRetryLater; }

int32_t callWhileBusy(const std::function<int32_t()>& call, const std::function<void(uint32_t)>& pause,
                      const std::function<uint32_t()>& now) {
  const uint32_t start = now();
  int32_t answer = call();
  while (busyAnswer(answer) && now() - start < kBusyLimit) {
    pause(kBusyPause);
    answer = call();
  }
  return answer;
}

}  // namespace cad
