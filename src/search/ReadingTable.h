// The Mandarin readings and simplified forms of the Han characters, from the table the build
// generates out of the Unihan files. Built once per process on first use; read-only afterwards, so
// any thread may use it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace search {

// A toneless syllable such as "zhang"; "ü" is written "v" (and also listed with "u").
using Syllable = std::string_view;

inline constexpr uint32_t kNoReadings = 0xFFFFFFFF;

class ReadingTable {
public:
  static const ReadingTable& instance();

  // The simplified form of a traditional character; any other character as it is.
  char32_t simplified(char32_t c) const;
  // The readings' handle of a character (kNoReadings for none): the character's own readings, or
  // when it has none those of its simplified form.
  uint32_t readingsOf(char32_t c) const;
  // The syllable numbers behind a handle; empty for kNoReadings.
  std::span<const uint16_t> syllables(uint32_t handle) const;
  Syllable syllable(uint16_t number) const { return syllables_[number]; }
  size_t syllableCount() const { return syllables_.size(); }

private:
  ReadingTable();
  uint32_t lookUp(char32_t c) const;

  std::vector<Syllable> syllables_;
  std::vector<char32_t> chars_;       // sorted
  std::vector<uint32_t> firstOf_;     // per char, into numbers_; one more at the end
  std::vector<uint16_t> numbers_;
  std::vector<std::pair<char32_t, char32_t>> variants_;  // traditional → simplified, sorted
  // The common Han block (U+3400 to U+9FFF) looked up directly: most names use nothing else.
  std::vector<char16_t> commonSimplified_;
  std::vector<uint32_t> commonReadings_;
};

}  // namespace search
