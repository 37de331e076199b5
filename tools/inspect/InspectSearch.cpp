// blockery-inspect search: the ranked results a gallery search would show for a query, with the
// recently used blocks first among equals, for people who prepare a library and for tests. Reads
// only; like "library" it does not copy a default index into the data root.
#include <cstdio>
#include <string>

#include "Command.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "library/AvailableBlocks.h"
#include "library/Categories.h"
#include "library/Layout.h"
#include "library/RecentBlocks.h"
#include "library/Selection.h"
#include "library/UserBlockFile.h"
#include "search/LibrarySearch.h"

namespace inspect {

namespace {

const char* const kRankNames[] = {"whole-name", "name-prefix", "initials-prefix", "name-substring", "other-field"};

// Tabs and line ends inside a value would split the line: they are shown as blanks.
std::string oneField(std::u16string_view value) {
  std::string out = base::toUtf8(value);
  for (char& c : out)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return out;
}

int inspectSearch(const Args& args) {
  if (args.size() != 2) return 2;
  library::LibraryPlace place{base::fromUtf8(args[0]), u"", std::u16string(library::kDefaultServerUrl) + u"/InkCasket"};
  const std::u16string index = base::joinPath(place.dataRoot, library::kIndexFile);
  if (!base::files::exists(index)) {
    std::fprintf(stderr, "no %s in %s\n", base::toUtf8(library::kIndexFile).c_str(), args[0].c_str());
    return 1;
  }
  library::Categories categories;
  library::parseCategoryIndex(index, categories.entries, categories.specialtyNumbers);
  categories.gallerySelection = library::readSelection(place.dataRoot, library::kDefaultSelection);
  library::buildCategories(place, categories);
  library::BlockList recent;
  library::loadRecentBlocks(place.dataRoot, recent);
  library::PathList userPaths;
  library::loadUserBlocks(place.dataRoot, userPaths);

  search::LibrarySearch search(search::snapshotOf(categories, library::loadAvailableBlocks(categories.table), userPaths));
  std::vector<std::u16string> recentIds;
  for (const library::BlockRecord& block : recent) recentIds.push_back(block.id);
  std::vector<search::SearchHit> hits = *search.find(base::fromUtf8(args[1]), recentIds);
  for (const search::SearchHit& hit : hits) {
    const char* rank = kRankNames[int(hit.rank)];
    if (hit.userBlock) {
      const std::u16string& path = search.userBlocks()[hit.index];
      std::printf("user\t%s\t%s\t%s\n", rank, oneField(library::userBlockName(path)).c_str(), oneField(path).c_str());
    } else {
      const library::BlockRecord& b = search.blocks()[hit.index];
      std::printf("block\t%s\t%s\t%s\t%s\n", rank, oneField(b.id).c_str(), oneField(b.name).c_str(),
                  oneField(search.categoryPath(b)).c_str());
    }
  }
  std::fprintf(stderr, "%zu found among %zu blocks and %zu user blocks\n", hits.size(), search.blocks().size(),
               search.userBlocks().size());
  return 0;
}

const Command searchCommand("search", "DATAROOT QUERY   ranked search results: block id, name, category path",
                            inspectSearch);

}  // namespace

}  // namespace inspect
