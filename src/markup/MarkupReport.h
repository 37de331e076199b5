// The result report: a small markup text of empty elements, one per diagnostic, built with the
// document's own addElement and setAttribute so that values are escaped like any attribute.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace markup {

// Entries are added only while the report is shorter than this.
inline constexpr size_t kReportLimit = 1000;

struct Diagnostic {
  std::u16string_view word;
  std::optional<std::u16string_view> text = {};
  std::optional<int64_t> number = {};
  std::optional<int64_t> number2 = {};
};

class MarkupReport {
public:
  // Appends one entry; the attribute names follow from the word ("read" gets encoding and length,
  // "lone_end_tag" tagname and offset, ...).
  static void append(std::u16string& report, const Diagnostic& diagnostic);
  // Sets an attribute of the last entry named word, when the report holds one.
  static void amend(std::u16string& report, std::u16string_view word, std::u16string_view name,
                    std::u16string_view value);
};

}  // namespace markup
