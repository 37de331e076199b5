#include "update/Percent.h"

namespace update {

namespace {

// A multiple of 1/total kept as whole part and remainder (remainder < total), so that
// 100 × received can be formed without ever holding it in 64 bits.
struct Fraction {
  uint64_t whole = 0;
  uint64_t rest = 0;
};

Fraction add(Fraction a, Fraction b, uint64_t total) {
  Fraction sum{a.whole + b.whole, 0};
  if (a.rest >= total - b.rest) {
    sum.whole += 1;
    sum.rest = a.rest - (total - b.rest);
  } else {
    sum.rest = a.rest + b.rest;
  }
  return sum;
}

}  // namespace

uint32_t percentDone(uint64_t received, uint64_t total) {
  if (received >= total) return 100;
  Fraction part{0, received};
  Fraction sum;
  for (int bit = 6; bit >= 0; --bit) {  // 100 = 0b1100100, walked from the top bit
    sum = add(sum, sum, total);
    if ((100 >> bit) & 1) sum = add(sum, part, total);
  }
  return static_cast<uint32_t>(sum.whole);
}

}  // namespace update
