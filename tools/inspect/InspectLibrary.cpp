// blockery-inspect library: the category rows, specialty rows and available blocks the gallery would
// build from a data root, for people who prepare and check a library. Reads only; unlike the
// gallery it neither copies the default index into the data root nor creates category folders.
#include <cstdio>
#include <string>

#include "Command.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "library/AvailableBlocks.h"
#include "library/Categories.h"
#include "library/PathsAndSettings.h"
#include "library/Selection.h"

namespace inspect {

namespace {

// One field of a tab-separated line: tabs and line ends inside a value are shown escaped.
std::string field(std::u16string_view value) {
  std::string out;
  for (char c : base::toUtf8(value)) {
    if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\\') out += "\\\\";
    else out += c;
  }
  return out;
}

void printLine(std::initializer_list<std::string> fields) {
  std::string line;
  for (const auto& f : fields) {
    if (!line.empty()) line += '\t';
    line += f;
  }
  std::printf("%s\n", line.c_str());
}

// The data root's index, else the program folder's default copy the gallery would put in its place.
std::u16string indexToRead(const library::LibraryPlace& place) {
  std::u16string index = base::joinPath(place.dataRoot, library::kIndexFile);
  if (base::files::exists(index) || place.programFolder.empty()) return index;
  return base::joinPath(place.programFolder, library::kIndexFile);
}

void printCategories(const library::Categories& c) {
  for (size_t row = 0; row < c.table.size(); ++row) {
    const library::CategoryRow& r = c.table[row];
    printLine({"row", std::to_string(row), std::to_string(int(r.level)), field(r.folderUrl), field(r.folder)});
  }
  for (size_t row : c.specialtyRows) {
    std::u16string name(base::fileNamePart(c.table[row].folder));
    printLine({"specialty", std::to_string(row), field(library::displayName(name))});
  }
  for (size_t entry : c.refusedEntries)
    printLine({"refused", std::to_string(entry), std::to_string(int(c.entries.kinds[entry])),
               field(c.entries.remoteNames[entry]), field(c.entries.localNames[entry])});
}

void printBlocks(const library::BlockList& blocks) {
  for (const library::BlockRecord& b : blocks)
    printLine({"block", field(b.folderUrl), field(b.folder), field(b.id), field(b.name), field(b.spec),
               field(b.detail), field(b.mfrs), field(b.url)});
}

int inspectLibrary(const Args& args) {
  if (args.empty() || args.size() > 2) return 2;
  library::LibraryPlace place;
  place.dataRoot = base::fromUtf8(args[0]);
  place.programFolder = args.size() > 1 ? base::fromUtf8(args[1]) : std::u16string();
  place.libraryBaseUrl = place.programFolder.empty()
                             ? std::u16string(library::kDefaultServerUrl) + u"/InkCasket"
                             : library::libraryBaseUrl(place.programFolder);

  const std::u16string index = indexToRead(place);
  if (!base::files::exists(index)) {
    std::fprintf(stderr, "no %s in %s%s\n", base::toUtf8(library::kIndexFile).c_str(), args[0].c_str(),
                 args.size() > 1 ? (" or " + args[1]).c_str() : "");
    return 1;
  }
  library::Categories categories;
  library::parseCategoryIndex(index, categories.entries, categories.specialtyNumbers);
  categories.gallerySelection = library::readSelection(place.dataRoot, library::kDefaultSelection);
  library::buildCategories(place, categories);
  printLine({"index", field(index)});
  printLine({"selection", field(categories.gallerySelection)});
  printCategories(categories);
  library::BlockList blocks = library::loadAvailableBlocks(categories.table);
  printBlocks(blocks);
  std::fprintf(stderr, "%zu index entries, %zu rows, %zu specialties shown, %zu refused, %zu blocks available\n",
               categories.entries.size(), categories.table.size(), categories.specialtyRows.size(),
               categories.refusedEntries.size(), blocks.size());
  return 0;
}

const Command libraryCommand("library", "DATAROOT [PROGRAMFOLDER]   category rows, specialty rows and available blocks",
                             inspectLibrary);

}  // namespace

}  // namespace inspect
