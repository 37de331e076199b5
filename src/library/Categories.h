// The categories the gallery shows: the index entries, the selection they were walked with, the
// category table with its specialty rows, and the tree content built from them.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "library/CategoryIndex.h"
#include "library/CategoryTree.h"
#include "library/Records.h"

namespace library {

// Where a rebuild reads and writes.
struct LibraryPlace {
  std::u16string dataRoot;
  std::u16string programFolder;    // holds the default InkCasket.xml
  std::u16string libraryBaseUrl;
};

struct Categories {
  IndexEntries entries;
  SpecialtyNumbers specialtyNumbers;
  std::u16string gallerySelection;   // as read at the last rebuild
  CategoryTable table;
  std::vector<size_t> specialtyRows;  // row numbers of the level-1 rows, in order
  CategoryTree tree;
  // Entries passed over because their local name could not stay inside the library folder;
  // everything below such an entry is passed over with it.
  std::vector<size_t> refusedEntries;
};

// Walks categories.entries with categories.gallerySelection and builds the table, the specialty
// rows and the tree. Touches no file.
void buildCategories(const LibraryPlace& place, Categories& categories);

// The whole rebuild: puts the default index in place when the library has none, scans it, reads the
// selection, builds the categories and creates the folders of every row. Returns false when there
// is still no index: the lists are then empty and the tree is left as it was. The caller empties its
// own block lists before, and reads the item lists and relabels its tabs after.
bool rebuildCategories(const LibraryPlace& place, Categories& categories);

}  // namespace library
