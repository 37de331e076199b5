#include "search/SearchIndex.h"

#include <algorithm>
#include <tuple>

namespace search {

namespace {

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
  auto known = known_.find(text);
  if (known == known_.end()) {
    known = known_.emplace(std::u16string(text), uint32_t(x.textSet_.size())).first;
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

void SearchIndexBuilder::reserve(size_t entries, size_t fields) {
  index_.nameCount_.reserve(entries);
  index_.entryStart_.reserve(entries + 1);
  index_.fieldText_.reserve(fields);
  index_.textStart_.reserve(fields + 1);
  index_.textSet_.reserve(fields);
  index_.chars_.reserve(fields * 8);
  known_.reserve(fields);
}

SearchIndex SearchIndexBuilder::finish() {
  SearchIndex done = std::move(index_);
  index_ = SearchIndex();
  known_.clear();
  done.chars_.shrink_to_fit();
  done.textStart_.shrink_to_fit();
  done.textSet_.shrink_to_fit();
  return done;
}

std::optional<std::vector<SearchIndex::Hit>> SearchIndex::find(std::u16string_view query,
                                                               const std::unordered_map<size_t, size_t>& preferred,
                                                               const std::atomic<bool>* stop) const {
  TextMatcher matcher(query);
  std::vector<Hit> hits;
  if (matcher.empty()) return hits;
  // Each text is matched once, in the order the texts are stored, however many entries share it.
  std::vector<MatchKind> kinds(textSet_.size(), MatchKind::None);
  for (size_t text = 0; text < kinds.size(); ++text) {
    if (stop && text % kStopCheckEvery == 0 && stop->load(std::memory_order_relaxed)) return std::nullopt;
    if ((matcher.charSet() & ~textSet_[text]) != 0) continue;
    kinds[text] = matcher.match(chars_.data() + textStart_[text], chars_.data() + textStart_[text + 1]);
  }
  for (size_t entry = 0; entry < nameCount_.size(); ++entry) {
    Rank rank = rankOf(entry, kinds);
    if (rank != Rank::None) hits.push_back(Hit{entry, rank});
  }
  std::vector<std::tuple<Rank, size_t, size_t>> order;  // rank, place, hit number (entry order)
  order.reserve(hits.size());
  for (size_t k = 0; k < hits.size(); ++k) {
    auto found = preferred.find(hits[k].entry);
    order.emplace_back(hits[k].rank, found == preferred.end() ? size_t(-1) : found->second, k);
  }
  std::sort(order.begin(), order.end());
  std::vector<Hit> ranked;
  ranked.reserve(hits.size());
  for (const auto& [rank, place, k] : order) ranked.push_back(hits[k]);
  return ranked;
}

Rank SearchIndex::rankOf(size_t entry, const std::vector<MatchKind>& kinds) const {
  Rank best = Rank::None;
  for (uint32_t f = entryStart_[entry]; f < entryStart_[entry + 1]; ++f) {
    MatchKind kind = kinds[fieldText_[f]];
    if (kind == MatchKind::None) continue;
    bool name = f - entryStart_[entry] < nameCount_[entry];
    best = std::min(best, name ? nameRank(kind) : Rank::OtherField);
  }
  return best;
}

size_t SearchIndex::memoryBytes() const {
  return chars_.capacity() * sizeof(SearchChar) + textStart_.capacity() * sizeof(uint32_t) +
         textSet_.capacity() * sizeof(uint64_t) + fieldText_.capacity() * sizeof(uint32_t) +
         entryStart_.capacity() * sizeof(uint32_t) + nameCount_.capacity();
}

}  // namespace search
