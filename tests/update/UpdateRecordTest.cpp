#include <gtest/gtest.h>

#include "base/Files.h"
#include "base/NamedLock.h"
#include "base/Path.h"
#include "library/ListMerge.h"
#include "support/TempFolder.h"
#include "update/UpdateRecord.h"

namespace {

TEST(UpdateRecord, TwoGalleriesSavingAtOnceKeepWhatEachLearntAndAReadBackGivesItAll) {
  testing_support::TempFolder folder;
  const std::u16string root = folder.path();
  const std::u16string oak = base::joinPath(root, u"园林\\Oak.dwg");
  const std::u16string list = base::joinPath(root, u"园林\\FileList.xml");
  const std::u16string pine = base::joinPath(root, u"Pine.dwg");
  update::UpdateRecord first(root);
  update::UpdateRecord second(root);
  first.set(oak, {u"b1", 1234});
  first.set(list, {u"", std::nullopt, u"\"5f-1a\"", u"Wed, 09 Dec 2026 10:00:00 GMT"});
  second.set(pine, {u"p7", 0});
  second.set(oak, {u"b2", 99});
  {
    base::NamedLock otherGallery(library::kListsLockName, 0);
    EXPECT_FALSE(first.save(0));  // never written without the lock; kept for the next save
    EXPECT_TRUE(first.changed());
  }
  ASSERT_TRUE(first.save());
  ASSERT_TRUE(second.save());  // read the file again: the first's entries stay, its own win

  update::UpdateRecord read(root);
  ASSERT_NE(read.find(oak), nullptr);
  EXPECT_EQ(*read.find(oak), (update::FileSource{u"b2", 99}));
  EXPECT_EQ(*read.find(pine), (update::FileSource{u"p7", 0}));
  EXPECT_EQ(*read.find(list), (update::FileSource{u"", std::nullopt, u"\"5f-1a\"", u"Wed, 09 Dec 2026 10:00:00 GMT"}));
  EXPECT_FALSE(read.changed());

  // A damaged file reads as what it still says; the rest is checked again by size.
  base::files::writeWhole(base::joinPath(root, update::kUpdateRecordFile), "\xEF\xBB\xBF" "a\tb\r\x01garbage\rPine.dwg\tp8\t12\t\t\r");
  update::UpdateRecord damaged(root);
  EXPECT_EQ(damaged.find(oak), nullptr);
  EXPECT_EQ(*damaged.find(pine), (update::FileSource{u"p8", 12}));
}

}  // namespace
