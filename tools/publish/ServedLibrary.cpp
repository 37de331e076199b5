#include "ServedLibrary.h"

#include "Parallel.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "library/Categories.h"
#include "library/CategoryIndex.h"
#include "library/TextFile.h"

namespace publish {

namespace {

// The <Size> of each <Item, looked for before the next <Item.
std::vector<std::u16string> sizesOf(std::u16string_view text) {
  std::vector<std::u16string> sizes;
  for (size_t at = text.find(u"<Item"); at != std::u16string_view::npos;) {
    size_t next = text.find(u"<Item", at + 5);
    size_t size = text.find(u"<Size>", at);
    if (size != std::u16string_view::npos && size < next) {
      size_t end = text.find(u'<', size + 6);
      sizes.emplace_back(text.substr(size + 6, end == std::u16string_view::npos ? 0 : end - size - 6));
    } else {
      sizes.emplace_back();
    }
    at = next;
  }
  return sizes;
}

void readItems(const std::u16string& serverFolder, const Locate& locate, const library::CategoryRow& row,
               ServedCategory& category) {
  std::u16string path = locate(servedPath(serverFolder, itemListUrl(row.folderUrl)));
  category.listFound = base::files::exists(path);
  if (!category.listFound) return;
  std::u16string text = library::readWholeTextFile(path);
  category.sizes = sizesOf(text);
  category.itemTags = category.sizes.size();
  library::scanItemList(text, row, category.blocks);
}

}  // namespace

std::u16string servedPath(const std::u16string& serverFolder, const std::u16string& url) {
  std::u16string path = url;
  base::replaceAll(path, u"/", std::u16string(1, base::kPathSeparator));
  return serverFolder + path;
}

std::u16string itemListUrl(const std::u16string& folderUrl) {
  return folderUrl + u"/" + std::u16string(base::fileNamePart(folderUrl)) + u".xml";
}

ServedLibrary readServed(const std::u16string& serverFolder, const Locate& locate) {
  ServedLibrary served;
  std::u16string index = locate(base::joinPath(serverFolder, u"InkCasket.xml"));
  served.indexFound = base::files::exists(index);
  if (!served.indexFound) return served;
  library::Categories c;
  library::parseCategoryIndex(index, c.entries, c.specialtyNumbers);
  for (library::EntryKind kind : c.entries.kinds) c.gallerySelection += kind == library::EntryKind::Specialty ? u'1' : u'0';
  std::erase(c.gallerySelection, u'0');
  // Rows then carry folderUrl "/remote/..." and folder "/local/..." below an empty root.
  library::buildCategories(library::LibraryPlace{u"", u"", u""}, c);
  served.specialtyNumbers = c.specialtyNumbers;
  for (size_t k : c.refusedEntries) served.refusedNames.push_back(c.entries.localNames[k]);

  std::vector<std::u16string> labels;   // by level, of the rows above
  for (size_t r = 1; r < c.table.size(); ++r) {
    const library::CategoryRow& row = c.table[r];
    ServedCategory category;
    category.level = row.level;
    category.folderUrl = row.folderUrl;
    category.localPath = row.folder.substr(1);
    base::replaceAll(category.localPath, std::u16string(1, base::kPathSeparator), u"/");
    size_t depth = size_t(row.level);
    labels.resize(depth);
    labels[depth - 1] = library::displayName(std::u16string(base::fileNamePart(row.folder)));
    for (size_t d = 0; d < depth; ++d) category.label += (d ? u" > " : u"") + labels[d];
    bool divided = row.level == library::RowLevel::Category && r + 1 < c.table.size() &&
                   c.table[r + 1].level == library::RowLevel::SubCategory;
    category.leaf = row.level >= library::RowLevel::Category && !divided;
    served.categories.push_back(std::move(category));
  }
  forEachInParallel(served.categories.size(), [&](size_t k, size_t) {
    if (served.categories[k].leaf) readItems(serverFolder, locate, c.table[k + 1], served.categories[k]);
  });
  return served;
}

}  // namespace publish
