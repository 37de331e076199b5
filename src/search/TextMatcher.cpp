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

TextMatcher::TextMatcher(std::u16string_view query) : table_(ReadingTable::instance()) {
  for (const SearchChar& c : foldText(query)) query_.push_back(c.ch);
  set_ = querySet(query_);
  from_.assign(query_.size() / 64 + 1, 0);
  to_.assign(from_.size(), 0);
}

MatchKind TextMatcher::match(const SearchChar* begin, const SearchChar* end) const {
  if (query_.empty() || begin == end || tooLong(begin, end)) return MatchKind::None;
  auto pass = [&](Pass p) { return query_.size() < 64 ? runShort(p, begin, end) : run(p, begin, end); };
  Outcome exact = pass(Pass::Exact);
  if (exact.whole) return MatchKind::Whole;
  if (exact.reached) return MatchKind::Prefix;
  if (pass(Pass::Abbreviated).reached) return MatchKind::InitialsPrefix;
  if (pass(Pass::Anywhere).reached) return MatchKind::Substring;
  return MatchKind::None;
}

// Each character uses up at least one query character and at most its longest reading's letters.
bool TextMatcher::tooLong(const SearchChar* begin, const SearchChar* end) const {
  size_t n = size_t(end - begin);
  if (query_.size() <= n) return false;
  size_t most = 0;
  for (const SearchChar* c = begin; c != end; ++c) {
    size_t longest = 1;
    for (uint16_t s : table_.syllables(c->readings)) longest = std::max(longest, table_.syllable(s).size());
    most += longest;
  }
  return query_.size() > most;
}

TextMatcher::Outcome TextMatcher::runShort(Pass pass, const SearchChar* begin, const SearchChar* end) const {
  const size_t m = query_.size();
  const uint64_t done = uint64_t(1) << m;
  uint64_t from = 1;
  Outcome outcome;
  for (const SearchChar* c = begin; c != end; ++c) {
    uint64_t to = 0;
    for (uint64_t bits = from & (done - 1); bits != 0; bits &= bits - 1)
      advance(*c, size_t(std::countr_zero(bits)), pass != Pass::Exact, [&to](size_t k) { to |= uint64_t(1) << k; });
    if (to & done) {
      outcome.reached = true;
      if (pass != Pass::Exact) return outcome;
    }
    if (pass == Pass::Anywhere) to |= 1;
    from = to;
    if (from == 0) return outcome;
  }
  outcome.whole = (from & done) != 0;
  return outcome;
}

TextMatcher::Outcome TextMatcher::run(Pass pass, const SearchChar* begin, const SearchChar* end) const {
  const size_t m = query_.size();
  std::fill(from_.begin(), from_.end(), 0);
  put(from_, 0);
  Outcome outcome;
  for (const SearchChar* c = begin; c != end; ++c) {
    std::fill(to_.begin(), to_.end(), 0);
    for (size_t w = 0; w < from_.size(); ++w) {
      for (uint64_t bits = from_[w]; bits != 0; bits &= bits - 1) {
        size_t j = w * 64 + size_t(std::countr_zero(bits));
        if (j < m) advance(*c, j, pass != Pass::Exact, [this](size_t k) { put(to_, k); });
      }
    }
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

// The query positions c carries a match at query position j to.
template <typename Put>
void TextMatcher::advance(const SearchChar& c, size_t j, bool abbreviate, Put put) const {
  const size_t m = query_.size();
  const char32_t q = query_[j];
  if (q == c.ch) put(j + 1);
  if (q < u'a' || q > u'z' || c.readings == kNoReadings) return;
  for (uint16_t s : table_.syllables(c.readings)) {
    Syllable syllable = table_.syllable(s);
    if (char32_t(syllable[0]) != q) continue;
    size_t t = 1;
    while (t < syllable.size() && j + t < m && query_[j + t] == char32_t(syllable[t])) ++t;
    if (abbreviate) {
      for (size_t used = 1; used <= t; ++used) put(j + used);
    } else if (t == syllable.size()) {
      put(j + t);
    }
  }
}

}  // namespace search
