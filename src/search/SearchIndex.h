// The index a search runs over: entries (blocks) with name texts and other texts, each text folded
// once and kept once however many entries share it (a category's path names, a manufacturer).
// Built once, then only read: any number of threads may query it at the same time.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "search/SearchText.h"
#include "search/TextMatcher.h"

namespace search {

// How an entry matched, best first: by a name, then by any other text.
enum class Rank : uint8_t { WholeName, NamePrefix, InitialsPrefix, NameSubstring, OtherField, None };

class SearchIndex {
public:
  struct Hit {
    size_t entry;
    Rank rank;
  };
  // Entries ranked first by how they matched, then by their place in preferred (entry → place,
  // lower first; entries not in it after those in it), then by entry number. nullopt when stop was
  // set before the search finished; an empty query finds nothing.
  std::optional<std::vector<Hit>> find(std::u16string_view query,
                                       const std::unordered_map<size_t, size_t>& preferred = {},
                                       const std::atomic<bool>* stop = nullptr) const;

  size_t entryCount() const { return nameCount_.size(); }
  size_t textCount() const { return textSet_.size(); }
  size_t memoryBytes() const;

private:
  friend class SearchIndexBuilder;
  Rank rankOf(size_t entry, const std::vector<MatchKind>& kinds) const;

  // Texts: folded characters in one run, each text's start, one more at the end.
  std::vector<SearchChar> chars_;
  std::vector<uint32_t> textStart_{0};
  std::vector<uint64_t> textSet_;
  // Entries: their texts' numbers in one run, names first.
  std::vector<uint32_t> fieldText_;
  std::vector<uint32_t> entryStart_{0};
  std::vector<uint8_t> nameCount_;
};

class SearchIndexBuilder {
public:
  // An entry's texts follow its start; its names are ranked as names wherever they were added.
  void beginEntry();
  void addName(std::u16string_view text) { add(text, true); }
  void addOther(std::u16string_view text) { add(text, false); }
  SearchIndex finish();
  // Room for this many entries and texts of all entries together, to build without regrowing.
  void reserve(size_t entries, size_t fields);

private:
  void add(std::u16string_view text, bool name);
  SearchIndex index_;
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::u16string_view text) const { return std::hash<std::u16string_view>()(text); }
  };
  std::unordered_map<std::u16string, uint32_t, TextHash, std::equal_to<>> known_;
};

}  // namespace search
