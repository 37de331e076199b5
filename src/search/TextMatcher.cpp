#include "search/TextMatcher.h"

#include <algorithm>
#include <bit>

#include "search/ReadingTable.h"

namespace search {

namespace {

bool has(const std::vector<uint64_t>& bits, size_t k) { return bits[k >> 6] >> (k & 63) & 1; }
void put(std::vector<uint64_t>& bits, size_t k) { bits[k >> 6] |= uint64_t(1) << (k & 63); }
bool none(const std::vector<uint64_t>& bits) {
  return std::all_of(bits.begin(), bits.end(), [](uint64_t w) { return w == 0; });
}

}  // namespace

TextMatcher::TextMatcher(std::u16string_view query) {
  for (const SearchChar& c : foldText(query)) query_.push_back(c.ch);
  set_ = querySet(query_);
  from_.assign(query_.size() / 64 + 1, 0);
  to_.assign(from_.size(), 0);
}

MatchKind TextMatcher::match(const SearchChar* begin, const SearchChar* end) const {
  if (query_.empty() || begin == end || tooLong(begin, end)) return MatchKind::None;
  Outcome exact = run(Pass::Exact, begin, end);
  if (exact.whole) return MatchKind::Whole;
  if (exact.reached) return MatchKind::Prefix;
  if (run(Pass::Abbreviated, begin, end).reached) return MatchKind::InitialsPrefix;
  if (run(Pass::Anywhere, begin, end).reached) return MatchKind::Substring;
  return MatchKind::None;
}

// Each character uses up at least one query character and at most its longest reading's letters.
bool TextMatcher::tooLong(const SearchChar* begin, const SearchChar* end) const {
  size_t n = size_t(end - begin);
  if (query_.size() <= n) return false;
  const ReadingTable& table = ReadingTable::instance();
  size_t most = 0;
  for (const SearchChar* c = begin; c != end; ++c) {
    size_t longest = 1;
    for (uint16_t s : table.syllables(c->readings)) longest = std::max(longest, table.syllable(s).size());
    most += longest;
  }
  return query_.size() > most;
}

TextMatcher::Outcome TextMatcher::run(Pass pass, const SearchChar* begin, const SearchChar* end) const {
  const size_t m = query_.size();
  std::fill(from_.begin(), from_.end(), 0);
  put(from_, 0);
  Outcome outcome;
  for (const SearchChar* c = begin; c != end; ++c) {
    std::fill(to_.begin(), to_.end(), 0);
    step(*c, pass != Pass::Exact);
    if (has(to_, m)) {
      outcome.reached = true;
      if (pass != Pass::Exact) return outcome;
    }
    if (pass == Pass::Anywhere) put(to_, 0);
    from_.swap(to_);
    if (none(from_)) return outcome;
  }
  outcome.whole = has(from_, m);
  return outcome;
}

// From every reachable query position before c, the positions c can carry the match to.
void TextMatcher::step(const SearchChar& c, bool abbreviate) const {
  const size_t m = query_.size();
  const ReadingTable& table = ReadingTable::instance();
  std::span<const uint16_t> readings = table.syllables(c.readings);
  for (size_t w = 0; w < from_.size(); ++w) {
    for (uint64_t bits = from_[w]; bits != 0; bits &= bits - 1) {
      size_t j = w * 64 + size_t(std::countr_zero(bits));
      if (j >= m) continue;
      if (query_[j] == c.ch) put(to_, j + 1);
      if (query_[j] < u'a' || query_[j] > u'z') continue;
      for (uint16_t s : readings) {
        Syllable syllable = table.syllable(s);
        size_t t = 0;
        while (t < syllable.size() && j + t < m && query_[j + t] == char32_t(syllable[t])) ++t;
        if (abbreviate) {
          for (size_t used = 1; used <= t; ++used) put(to_, j + used);
        } else if (t == syllable.size()) {
          put(to_, j + t);
        }
      }
    }
  }
}

}  // namespace search
