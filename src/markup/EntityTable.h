// The character entity names of HTML 4 (252) plus "apos": name -> code point.
#pragma once
#include <cstdint>
#include <string_view>

namespace markup::entities {

inline constexpr int kNameCount = 253;
inline constexpr int kBucketCount = 130;

// name is as written in the text (ASCII, at most 9 characters). Names that HTML 4 has in two
// cases (Agrave/agrave, Dagger/dagger, rArr/rarr ...) must match exactly; the others match in any
// case. Gives 0 for a name that is not in the table.
char32_t codePoint(std::u16string_view name);

// The names of the table that are matched in their exact case (for tests and the inspector).
int exactCaseNameCount();

}  // namespace markup::entities
