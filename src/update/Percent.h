// The share of a download received, in whole percent, exact for every 64-bit size.
#pragma once
#include <cstdint>

namespace update {

// received × 100 ÷ total, truncated, at most 100. total must not be 0.
uint32_t percentDone(uint64_t received, uint64_t total);

}  // namespace update
