#include "search/SearchIndex.h"

#include <algorithm>

namespace search {

namespace {

constexpr uint8_t kUnknown = 0xFF;
constexpr size_t kStopCheckEvery = 2048;

Rank nameRank(MatchKind kind) {
  switch (kind) {
    case MatchKind::Whole: return Rank::WholeName;
    case MatchKind::Prefix: return Rank::NamePrefix;
    case MatchKind::InitialsPrefix: return Rank::InitialsPrefix;
    case MatchKind::Substring: return Rank::NameSubstring;
    case MatchKind::None: break;
  }
  return Rank::None;
}

}  // namespace

void SearchIndexBuilder::beginEntry() {
  index_.nameCount_.push_back(0);
  index_.entryStart_.push_back(index_.entryStart_.back());
}

void SearchIndexBuilder::add(std::u16string_view text, bool name) {
  if (index_.nameCount_.empty()) beginEntry();
  SearchIndex& x = index_;
  auto [known, added] = known_.try_emplace(std::u16string(text), uint32_t(x.textSet_.size()));
  if (added) {
    size_t first = x.chars_.size();
    foldText(text, x.chars_);
    x.textStart_.push_back(uint32_t(x.chars_.size()));
    x.textSet_.push_back(charSet(x.chars_.data() + first, x.chars_.data() + x.chars_.size()));
  }
  // Names stay before the other texts of the entry.
  auto at = x.fieldText_.end();
  if (name) {
    at = x.fieldText_.begin() + x.entryStart_[x.entryStart_.size() - 2] + x.nameCount_.back();
    if (x.nameCount_.back() == 0xFF) return;
    ++x.nameCount_.back();
  }
  x.fieldText_.insert(at, known->second);
  ++x.entryStart_.back();
}

SearchIndex SearchIndexBuilder::finish() {
  SearchIndex done = std::move(index_);
  index_ = SearchIndex();
  known_.clear();
  done.chars_.shrink_to_fit();
  done.fieldText_.shrink_to_fit();
  return done;
}

std::optional<std::vector<SearchIndex::Hit>> SearchIndex::find(std::u16string_view query,
                                                               const std::unordered_map<size_t, size_t>& preferred,
                                                               const std::atomic<bool>* stop) const {
  TextMatcher matcher(query);
  std::vector<Hit> hits;
  if (matcher.empty()) return hits;
  std::vector<uint8_t> kinds(textSet_.size(), kUnknown);  // each text matched at most once
  for (size_t entry = 0; entry < nameCount_.size(); ++entry) {
    if (stop && entry % kStopCheckEvery == 0 && stop->load(std::memory_order_relaxed)) return std::nullopt;
    Rank rank = rankOf(entry, matcher, kinds);
    if (rank != Rank::None) hits.push_back(Hit{entry, rank});
  }
  auto placeOf = [&preferred](size_t entry) {
    auto found = preferred.find(entry);
    return found == preferred.end() ? size_t(-1) : found->second;
  };
  std::stable_sort(hits.begin(), hits.end(), [&](const Hit& a, const Hit& b) {
    if (a.rank != b.rank) return a.rank < b.rank;
    return placeOf(a.entry) < placeOf(b.entry);
  });
  return hits;
}

Rank SearchIndex::rankOf(size_t entry, const TextMatcher& matcher, std::vector<uint8_t>& kinds) const {
  Rank best = Rank::None;
  for (uint32_t f = entryStart_[entry]; f < entryStart_[entry + 1]; ++f) {
    uint32_t text = fieldText_[f];
    if (kinds[text] == kUnknown) {
      bool possible = (matcher.charSet() & ~textSet_[text]) == 0;
      kinds[text] = uint8_t(possible ? matcher.match(chars_.data() + textStart_[text], chars_.data() + textStart_[text + 1])
                                     : MatchKind::None);
    }
    MatchKind kind = MatchKind(kinds[text]);
    if (kind == MatchKind::None) continue;
    bool name = f - entryStart_[entry] < nameCount_[entry];
    best = std::min(best, name ? nameRank(kind) : Rank::OtherField);
    if (best == Rank::WholeName) break;
  }
  return best;
}

size_t SearchIndex::memoryBytes() const {
  return chars_.capacity() * sizeof(SearchChar) + textStart_.capacity() * sizeof(uint32_t) +
         textSet_.capacity() * sizeof(uint64_t) + fieldText_.capacity() * sizeof(uint32_t) +
         entryStart_.capacity() * sizeof(uint32_t) + nameCount_.capacity();
}

}  // namespace search
