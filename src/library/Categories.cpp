#include "library/Categories.h"

#include "base/Files.h"
#include "base/Path.h"
#include "library/PathsAndSettings.h"
#include "library/SafeName.h"
#include "library/Selection.h"

namespace library {

namespace {

constexpr size_t kNoRow = size_t(-1);

class CategoryWalk {
public:
  CategoryWalk(const LibraryPlace& place, Categories& categories)
      : place_(place), c_(categories), kinds_(categories.entries.kinds) {}

  void run() {
    size_t root = c_.tree.addNode(kRootNodeText, kNoNode);
    c_.tree.appendItem(root);
    c_.table.push_back(CategoryRow{RowLevel::Root, place_.libraryBaseUrl, place_.dataRoot});
    c_.tree.appendItem(c_.tree.addNode(kRecentNodeText, root));

    const std::u16string& selection = c_.gallerySelection;
    size_t i = 0;
    for (size_t j = 0; i < kinds_.size() && j < selection.size();) {
      if (kinds_[i] != EntryKind::Specialty) {
        ++i;
        continue;
      }
      i = specialty(i, selection[j] == u'1');
      ++j;
    }
    c_.tree.expand(root);

    size_t custom = c_.tree.addNode(kCustomNodeText, kNoNode);
    size_t existing = c_.tree.addNode(kExistingBlocksNodeText, custom);
    size_t add = c_.tree.addNode(kAddBlocksNodeText, custom);
    c_.tree.setCustomNodes(custom, existing, add);
  }

private:
  // The specialty at entry i with its categories; gives the entry after them.
  size_t specialty(size_t i, bool shown) {
    size_t end = i + 1;
    while (end < kinds_.size() && kinds_[end] != EntryKind::Specialty) ++end;
    if (!shown) return end;
    size_t specialtyRow = addRow(i, RowLevel::Specialty, 0);
    if (specialtyRow == kNoRow) return end;
    c_.specialtyRows.push_back(specialtyRow);

    size_t categoryRow = kNoRow;
    for (size_t k = i + 1; k < end; ++k) {
      if (kinds_[k] == EntryKind::Category)
        categoryRow = addRow(k, RowLevel::Category, specialtyRow);
      else if (categoryRow != kNoRow)
        addRow(k, RowLevel::SubCategory, categoryRow);
    }
    return end;
  }

  // A row for entry k below the parent row, or kNoRow when its name is refused.
  size_t addRow(size_t k, RowLevel level, size_t parentRow) {
    const std::u16string& localName = c_.entries.localNames[k];
    if (!isSafeFolderName(localName)) {
      c_.refusedEntries.push_back(k);
      return kNoRow;
    }
    const CategoryRow& parent = c_.table[parentRow];
    c_.table.push_back(CategoryRow{level, parent.folderUrl + u"/" + c_.entries.remoteNames[k],
                                   base::joinPath(parent.folder, localName)});
    c_.tree.appendItem(c_.tree.addNode(displayName(localName), c_.tree.nodeOfRow(parentRow)));
    return c_.table.size() - 1;
  }

  const LibraryPlace& place_;
  Categories& c_;
  const std::vector<EntryKind>& kinds_;
};

void clearLists(Categories& categories) {
  categories.entries.clear();
  categories.specialtyNumbers.clear();
  categories.table.clear();
  categories.specialtyRows.clear();
  categories.refusedEntries.clear();
}

}  // namespace

void buildCategories(const LibraryPlace& place, Categories& categories) {
  categories.table.clear();
  categories.specialtyRows.clear();
  categories.refusedEntries.clear();
  categories.tree.clear();
  CategoryWalk(place, categories).run();
}

bool rebuildCategories(const LibraryPlace& place, Categories& categories) {
  clearLists(categories);
  const std::u16string index = base::joinPath(place.dataRoot, kIndexFile);
  if (!base::files::exists(index)) {
    base::files::copy(base::joinPath(place.programFolder, kIndexFile), index, true);
    if (!base::files::exists(index)) return false;
  }
  parseCategoryIndex(index, categories.entries, categories.specialtyNumbers);
  categories.gallerySelection = readSelection(place.dataRoot, kDefaultSelection);
  buildCategories(place, categories);
  for (size_t row = 1; row < categories.table.size(); ++row)
    base::files::createDirectory(categories.table[row].folder);
  return true;
}

}  // namespace library
