// FileList.xml, the item list of one category, and the RecentlyUse.xml variant that carries each
// block's folder in a <Path> element. Both are scanned as plain text: an <Item's first quoted value,
// then <Name, <Spec, <Detail, <Mfrs, <Url (and <Path), each value running from the tag's ">" to
// the next "<". An item list may give a block's size in bytes in a <Size> element after <Url>.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "library/Records.h"

namespace library {

using BlockList = std::vector<BlockRecord>;

// Appends one record per item of a category's list, with the row's folderUrl and folder. A tag
// missing from an item is taken from a later item; when it occurs nowhere further on the scan ends
// and the item being read is dropped. An item whose name could not stay one file in the category
// folder is not listed. A <Size> of the item's own (before the next <Item) with a decimal value gives
// the record's size; any other <Size> is ignored.
void scanItemList(std::u16string_view text, const CategoryRow& row, BlockList& blocks);
void parseItemList(const std::u16string& path, const CategoryRow& row, BlockList& blocks);

// The recently-used variant: <Path> gives the folder, folderUrl stays empty.
void scanItemListWithPath(std::u16string_view text, BlockList& blocks);
void parseItemListWithPath(const std::u16string& path, BlockList& blocks);

}  // namespace library
