#include "library/ItemList.h"

#include <array>

#include "base/Text.h"
#include "library/CopyBudget.h"
#include "library/SafeName.h"
#include "library/TextFile.h"
#include "library/TextSearch.h"

namespace library {

namespace {

class ItemScan {
public:
  ItemScan(std::u16string_view text, const CategoryRow* row, BlockList& blocks)
      : text_(text), row_(row), blocks_(blocks) {}

  void run() {
    for (TextPos itemAt = items_.from(0); itemAt != kNotFound; itemAt = items_.from(itemAt + 5)) {
      BlockRecord block;
      if (!readItem(itemAt, block)) return;
      base::removeAll(block.name, u".dwg");
      base::removeAll(block.name, u".DWG");
      if (row_) {
        if (!isSafeLocalName(block.name)) continue;
        block.folderUrl = row_->folderUrl;
        block.folder = row_->folder;
      }
      blocks_.push_back(std::move(block));
    }
  }

private:
  // False when a tag occurs nowhere further on, or the copies outgrew the text, which ends the
  // whole scan.
  bool readItem(TextPos itemAt, BlockRecord& block) {
    TextPos q1 = quotes_.from(itemAt), q2 = quotes_.from(q1 + 1);
    block.id = base::trimmed(between(text_, q1 + 1, q2));
    if (!budget_.spend(block.id.size())) return false;
    TextPos at = q1 + 1;
    std::array<std::u16string*, 6> fields = {&block.name, &block.spec, &block.detail,
                                             &block.mfrs, &block.url, &block.folder};
    size_t tagCount = row_ ? 5 : 6;
    for (size_t k = 0; k < tagCount; ++k) {
      TextPos t = tags_[k].from(at);
      if (t == kNotFound) return false;
      TextPos s = findIn(text_, u">", t) + 1;
      TextPos e = findIn(text_, u"<", s);
      fields[k]->assign(between(text_, s, e));
      if (!budget_.spend(fields[k]->size())) return false;
      at = s;
    }
    return true;
  }

  std::u16string_view text_;
  const CategoryRow* row_;   // none for the recently-used list
  BlockList& blocks_;
  CopyBudget budget_{text_.size()};
  TextSearch items_{text_, u"<Item"};
  TextSearch quotes_{text_, u"\""};
  std::array<TextSearch, 6> tags_{TextSearch{text_, u"<Name"},   TextSearch{text_, u"<Spec"},
                                  TextSearch{text_, u"<Detail"}, TextSearch{text_, u"<Mfrs"},
                                  TextSearch{text_, u"<Url"},    TextSearch{text_, u"<Path"}};
};

}  // namespace

void scanItemList(std::u16string_view text, const CategoryRow& row, BlockList& blocks) {
  ItemScan(text, &row, blocks).run();
}

void parseItemList(const std::u16string& path, const CategoryRow& row, BlockList& blocks) {
  scanItemList(readWholeTextFile(path), row, blocks);
}

void scanItemListWithPath(std::u16string_view text, BlockList& blocks) { ItemScan(text, nullptr, blocks).run(); }

void parseItemListWithPath(const std::u16string& path, BlockList& blocks) {
  scanItemListWithPath(readWholeTextFile(path), blocks);
}

}  // namespace library
