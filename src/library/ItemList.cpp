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
      TextPos valuesAt = readItem(itemAt, block);
      if (valuesAt == kNotFound) return;
      base::removeAll(block.name, u".dwg");
      base::removeAll(block.name, u".DWG");
      if (row_) {
        if (!isSafeLocalName(block.name)) continue;
        block.folderUrl = row_->folderUrl;
        block.folder = row_->folder;
        block.size = readSize(valuesAt, items_.from(itemAt + 5));
      }
      blocks_.push_back(std::move(block));
    }
  }

private:
  // Where the last value read starts; kNotFound when a tag occurs nowhere further on, or the copies
  // outgrew the text, which ends the whole scan.
  TextPos readItem(TextPos itemAt, BlockRecord& block) {
    TextPos q1 = quotes_.from(itemAt), q2 = quotes_.from(q1 + 1);
    block.id = base::trimmed(between(text_, q1 + 1, q2));
    if (!budget_.spend(block.id.size())) return kNotFound;
    TextPos at = q1 + 1;
    std::array<std::u16string*, 6> fields = {&block.name, &block.spec, &block.detail,
                                             &block.mfrs, &block.url, &block.folder};
    size_t tagCount = row_ ? 5 : 6;
    for (size_t k = 0; k < tagCount; ++k) {
      TextPos t = tags_[k].from(at);
      if (t == kNotFound) return kNotFound;
      TextPos s = findIn(text_, u">", t) + 1;
      TextPos e = findIn(text_, u"<", s);
      fields[k]->assign(between(text_, s, e));
      if (!budget_.spend(fields[k]->size())) return kNotFound;
      at = s;
    }
    return at;
  }

  // The decimal value of the first <Size> from `from` on, when it lies before itemEnd.
  std::optional<uint64_t> readSize(TextPos from, TextPos itemEnd) {
    TextPos t = sizes_.from(from);
    if (t == kNotFound || (itemEnd != kNotFound && t > itemEnd)) return std::nullopt;
    std::u16string_view written = between(text_, t + 6, findIn(text_, u"<", t + 6));
    if (written.size() > 64) return std::nullopt;
    std::u16string digits = base::trimmed(written);
    if (digits.empty() || digits.size() > 18) return std::nullopt;
    uint64_t value = 0;
    for (char16_t c : digits) {
      if (c < u'0' || c > u'9') return std::nullopt;
      value = value * 10 + uint64_t(c - u'0');
    }
    return value;
  }

  std::u16string_view text_;
  const CategoryRow* row_;   // none for the recently-used list
  BlockList& blocks_;
  CopyBudget budget_{text_.size()};
  TextSearch items_{text_, u"<Item"};
  TextSearch quotes_{text_, u"\""};
  TextSearch sizes_{text_, u"<Size>"};
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
