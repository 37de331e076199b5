// A published tree read the way galleries read it: the index with the gallery's index scan and
// category walk (every specialty selected), then each leaf's item list at the URL the update walk
// asks for, with the gallery's item scan. The publish run reads back what it wrote with this, and
// --check reads any tree with it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "library/ItemList.h"
#include "library/Records.h"

namespace publish {

struct ServedCategory {
  library::RowLevel level = library::RowLevel::Specialty;
  std::u16string folderUrl;    // below the server folder, starting with "/"
  std::u16string localPath;    // local names joined by "/"
  std::u16string label;        // display names joined by " > ", as the tree shows the way there
  bool leaf = false;           // the update walk fetches an item list for it
  bool listFound = false;
  size_t itemTags = 0;         // "<Item" in the list; more than blocks when galleries drop some
  library::BlockList blocks;
  std::vector<std::u16string> sizes;   // the <Size> text of each <Item, empty where it has none
};

struct ServedLibrary {
  bool indexFound = false;
  std::vector<std::u16string> specialtyNumbers;
  std::vector<ServedCategory> categories;   // one per category table row below the root, in order
  std::vector<std::u16string> refusedNames; // local names galleries pass over, with all below them
};

// Where to read a file the server would serve at the given path (staged files live elsewhere
// until they are checked). Item lists are read on several threads, which may call it at once.
using Locate = std::function<std::u16string(const std::u16string& path)>;

// The path of a served URL below the server folder ("/a/b.xml").
std::u16string servedPath(const std::u16string& serverFolder, const std::u16string& url);
// The URL of a leaf's item list, named after its folder.
std::u16string itemListUrl(const std::u16string& folderUrl);

ServedLibrary readServed(const std::u16string& serverFolder, const Locate& locate);

}  // namespace publish
