// The texts of a published library, written as the sample library and hand-made servers write
// them: UTF-8 with a byte-order mark, CR LF line ends, values exactly as galleries scan them
// (an empty value as "no"), and after each <Url> the block's <Size> in bytes.
#pragma once
#include <string>

#include "Library.h"

namespace publish {

inline constexpr char16_t kServerFolder[] = u"InkCasket";   // galleries read <base URL>/InkCasket

// InkCasket.xml: specialties with their numbers, categories and sub-categories, in order.
std::string indexText(const Library& library);
// The item list of a leaf folder.
std::string itemListText(const Folder& leaf);

// A value as an item list carries it.
std::u16string itemValue(const std::u16string& value);

}  // namespace publish
