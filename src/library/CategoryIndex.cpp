#include "library/CategoryIndex.h"

#include "library/CopyBudget.h"
#include "library/TextFile.h"
#include "library/TextSearch.h"

namespace library {

namespace {

class IndexScan {
public:
  IndexScan(std::u16string_view text, IndexEntries& entries, SpecialtyNumbers& numbers)
      : text_(text), entries_(entries), numbers_(numbers) {}

  void run() {
    for (TextPos folderAt = folders_.from(0); folderAt != kNotFound;) {
      TextPos folderEnd = folderEnds_.from(folderAt);
      TextPos q1 = quotes_.from(folderAt), q2 = quotes_.from(q1 + 1);
      TextPos q3 = quotes_.from(q2 + 1), q4 = quotes_.from(q3 + 1);
      append(EntryKind::Specialty, between(text_, q1 + 1, q2), between(text_, q3 + 1, q4));
      if (exhausted_) return;

      TextPos numAt = nums_.from(folderAt), numEnd = numEnds_.from(folderAt);
      std::u16string_view number = numAt == kNotFound ? std::u16string_view() : between(text_, numAt + 5, numEnd);
      if (!budget_.spend(number.size())) {
        numbers_.emplace_back();  // one number for every specialty, even the last one read
        return;
      }
      numbers_.emplace_back(number);

      for (TextPos parentAt = parents_.from(folderAt); parentAt != kNotFound && parentAt < folderEnd;)
        parentAt = category(parentAt);
      if (exhausted_) return;
      folderAt = folders_.from(folderEnd);
    }
  }

private:
  // One <Parent with its <Child run; gives where the next <Parent is.
  TextPos category(TextPos parentAt) {
    TextPos parentEnd = parentEnds_.from(parentAt);
    TextPos q1 = quotes_.from(parentAt), q2 = quotes_.from(q1 + 1);
    TextPos q3 = quotes_.from(q2 + 1), q4 = quotes_.from(q3 + 2);
    append(EntryKind::Category, between(text_, q1 + 1, q2), between(text_, q3 + 1, q4));

    for (TextPos childAt = children_.from(parentAt); childAt != kNotFound && childAt < parentEnd && !exhausted_;) {
      TextPos childEnd = childEnds_.from(childAt);
      TextPos c1 = quotes_.from(childAt), c2 = quotes_.from(c1 + 2);
      TextPos gt = findIn(text_, u">", c2 - 1), lt = findIn(text_, u"<", gt + 2);
      append(EntryKind::SubCategory, between(text_, c1 + 1, c2), between(text_, gt + 1, lt));
      childAt = children_.from(childEnd);
    }
    return exhausted_ ? kNotFound : parents_.from(parentEnd);
  }

  void append(EntryKind kind, std::u16string_view remoteName, std::u16string_view localName) {
    if (exhausted_ || !budget_.spend(remoteName.size() + localName.size())) {
      exhausted_ = true;
      return;
    }
    entries_.kinds.push_back(kind);
    entries_.remoteNames.emplace_back(remoteName);
    entries_.localNames.emplace_back(localName);
  }

  std::u16string_view text_;
  IndexEntries& entries_;
  SpecialtyNumbers& numbers_;
  CopyBudget budget_{text_.size()};
  bool exhausted_ = false;
  TextSearch folders_{text_, u"<Folder"}, folderEnds_{text_, u"</Folder"};
  TextSearch nums_{text_, u"<Num>"}, numEnds_{text_, u"</Num>"};
  TextSearch parents_{text_, u"<Parent"}, parentEnds_{text_, u"</Parent>"};
  TextSearch children_{text_, u"<Child"}, childEnds_{text_, u"</Child>"};
  TextSearch quotes_{text_, u"\""};
};

}  // namespace

void scanCategoryIndex(std::u16string_view text, IndexEntries& entries, SpecialtyNumbers& numbers) {
  entries.clear();
  IndexScan(text, entries, numbers).run();
}

void parseCategoryIndex(const std::u16string& path, IndexEntries& entries, SpecialtyNumbers& numbers) {
  scanCategoryIndex(readWholeTextFile(path), entries, numbers);
}

}  // namespace library
