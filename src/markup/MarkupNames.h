// How a name asked for meets the names in the text: the match rule and the path test.
#pragma once
#include <cstdint>
#include <string_view>

namespace markup::names {

// Length of the name starting at from (it ends at white space or one of ! " ' / ; < = > ? \).
uint32_t nameLength(std::u16string_view text, uint32_t from);

// asked matches name when it equals name for name's whole length and ends there or goes on with
// a space, "/", "=", "[" or "]". ignoreCase folds A-Z only.
bool matches(std::u16string_view asked, std::u16string_view name, bool ignoreCase);

// The path test: steps separated by "/", each a name with optional predicates in brackets (a
// position from 1, "@attr", "@attr=value" with the value quoted or not, or a child name); a last
// step may be "@attr". Names starting with "/" are searches from the top and are refused here.
bool isSearchable(std::u16string_view asked);

}  // namespace markup::names
