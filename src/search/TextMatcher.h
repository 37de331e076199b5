// One query matched against folded texts. A Han character of the text is matched by itself, by any
// of its readings in full ("xiangzhang" for 香樟) or by a beginning of one ("xz", "xiangzh",
// "yinx" for 银杏); every other character by itself. The kinds rank the matches of a name.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "search/SearchText.h"

namespace search {

class ReadingTable;

enum class MatchKind : uint8_t {
  Whole = 0,           // the whole text, by characters or whole syllables
  Prefix = 1,          // its beginning, by characters or whole syllables
  InitialsPrefix = 2,  // its beginning, with syllables abbreviated
  Substring = 3,       // anywhere else
  None = 4,
};

// Not shared between threads: matching uses scratch space of the matcher's own.
class TextMatcher {
public:
  explicit TextMatcher(std::u16string_view query);

  bool empty() const { return query_.empty(); }
  const std::vector<char32_t>& query() const { return query_; }
  uint64_t charSet() const { return set_; }

  // The best kind this text matches with.
  MatchKind match(const SearchChar* begin, const SearchChar* end) const;
  MatchKind match(const std::vector<SearchChar>& text) const { return match(text.data(), text.data() + text.size()); }

private:
  enum class Pass { Exact, Abbreviated, Anywhere };
  struct Outcome {
    bool reached = false;  // the whole query was used up
    bool whole = false;    // exactly at the text's end
  };
  Outcome run(Pass pass, const SearchChar* begin, const SearchChar* end) const;
  Outcome runShort(Pass pass, const SearchChar* begin, const SearchChar* end) const;
  template <typename Put>
  void advance(const SearchChar& c, size_t j, bool abbreviate, Put put) const;
  bool tooLong(const SearchChar* begin, const SearchChar* end) const;

  const ReadingTable& table_;
  std::vector<char32_t> query_;
  uint64_t set_ = 0;
  // Query positions reachable before and after the character being matched, as bit sets; a
  // query shorter than 64 characters keeps them in one word each (runShort).
  mutable std::vector<uint64_t> from_, to_;
};

}  // namespace search
