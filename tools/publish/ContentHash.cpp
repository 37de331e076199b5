#include "ContentHash.h"

#include <cstdint>
#include <cstring>

namespace publish {

namespace {

// Two independent 64-bit lanes, eight bytes a step, each finished with the murmur3 mixer.
uint64_t mix(uint64_t h) {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 33;
  return h;
}

uint64_t rotl(uint64_t x, int r) { return (x << r) | (x >> (64 - r)); }

}  // namespace

std::string contentHash(std::string_view bytes) {
  uint64_t a = 0x9E3779B97F4A7C15ull ^ bytes.size(), b = 0xD6E8FEB86659FD93ull + bytes.size();
  size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    uint64_t w;
    std::memcpy(&w, bytes.data() + i, 8);
    a = rotl(a ^ (w * 0x87C37B91114253D5ull), 31) * 0x4CF5AD432745937Full;
    b = rotl(b + (w ^ 0x52DCE729ull) * 0x9E3779B97F4A7C15ull, 27) * 5 + 0x38495AB5;
  }
  uint64_t tail = 0;
  for (size_t k = 0; i + k < bytes.size(); ++k) tail |= uint64_t(uint8_t(bytes[i + k])) << (8 * k);
  a = mix(a ^ mix(tail + 1));
  b = mix(b ^ mix(tail ^ a));
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (uint64_t v : {a, b})
    for (int s = 60; s >= 0; s -= 4) out += digits[(v >> s) & 15];
  return out;
}

}  // namespace publish
