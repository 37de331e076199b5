#include "ReadBack.h"

#include "LibraryText.h"
#include "SourceReader.h"
#include "base/Text.h"

namespace publish {

namespace {

class Comparison {
public:
  explicit Comparison(const ServedLibrary& served) : served_(served) {}

  void folders(const std::vector<Folder>& siblings, std::vector<const Folder*>& way) {
    for (const Folder& f : siblings) {
      way.push_back(&f);
      folder(f, folderUrl(way));
      folders(f.folders, way);
      way.pop_back();
    }
  }

  void finish(const Library& library) {
    if (row_ != served_.categories.size()) differ("the index holds " + std::to_string(served_.categories.size()) +
                                                  " folders, not " + std::to_string(row_));
    for (size_t k = 0; k < library.specialties.size(); ++k) {
      const std::u16string& number = library.specialties[k].number;
      if (k >= served_.specialtyNumbers.size() || served_.specialtyNumbers[k] != number)
        differ(shown(library.specialties[k].path) + ": the number read back is not " + base::toUtf8(number));
    }
    for (const auto& name : served_.refusedNames) differ(base::toUtf8(name) + ": refused by the category walk");
  }

  std::vector<std::string> found;

private:
  void folder(const Folder& f, const std::u16string& url) {
    size_t r = row_++;
    if (r >= served_.categories.size()) return differ(shown(f.path) + ": missing from the index read back");
    const ServedCategory& c = served_.categories[r];
    if (c.localPath != f.path || c.folderUrl != url || int(c.level) != f.level || c.leaf != f.isLeaf())
      return differ(shown(f.path) + ": read back as " + base::toUtf8(c.localPath) + " at " + base::toUtf8(c.folderUrl));
    if (!f.isLeaf()) return;
    if (!c.listFound) return differ(shown(f.path) + ": no item list at " + base::toUtf8(itemListUrl(url)));
    if (c.itemTags != f.blocks.size() || c.blocks.size() != f.blocks.size())
      return differ(shown(f.path) + ": " + std::to_string(c.blocks.size()) + " of " + std::to_string(f.blocks.size()) +
                    " blocks read back");
    for (size_t k = 0; k < f.blocks.size(); ++k) block(f, f.blocks[k], c.blocks[k], c.sizes[k]);
  }

  void block(const Folder& f, const Block& b, const library::BlockRecord& read, const std::u16string& size) {
    std::string where = shown(f.path + u"/" + b.file);
    library::BlockRecord meant{read.folderUrl, read.folder, b.id, b.name, itemValue(b.spec), itemValue(b.detail),
                               itemValue(b.mfrs), itemValue(b.url), b.size};
    if (!(read == meant)) differ(where + ": its item reads back as " + base::toUtf8(read.id) + " " + base::toUtf8(read.name));
    if (size != base::decimal(int64_t(b.size))) differ(where + ": its <Size> reads back as " + base::toUtf8(size));
  }

  void differ(std::string what) { found.push_back(std::move(what)); }

  const ServedLibrary& served_;
  size_t row_ = 0;
};

}  // namespace

std::u16string folderUrl(const std::vector<const Folder*>& way) {
  std::u16string url;
  for (const Folder* f : way) url += u"/" + f->remote;
  return url;
}

std::vector<std::string> differences(const Library& library, const ServedLibrary& served) {
  if (!served.indexFound) return {"no index was read back"};
  Comparison comparison(served);
  std::vector<const Folder*> way;
  comparison.folders(library.specialties, way);
  comparison.finish(library);
  return comparison.found;
}

}  // namespace publish
