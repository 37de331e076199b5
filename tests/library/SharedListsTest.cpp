// Several galleries share RecentlyUse.xml and UserBlock.xml. Each row plays writers A and B
// against one data root, step by step, the way galleries load, edit and save.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "base/TickClock.h"
#include "base/Text.h"
#include "base/NamedLock.h"
#include "library/ListMerge.h"
#include "library/RecentBlocks.h"
#include "library/RecentList.h"
#include "library/UserBlockFile.h"
#include "LibraryFiles.h"
#include "support/TempFolder.h"

using namespace library;
using namespace library_tests;
using testing_support::TempFolder;

namespace {

using Texts = std::vector<std::u16string>;

BlockRecord block(const std::u16string& id) {
  return BlockRecord{u"", u"/lib/" + id, id, u"n" + id, u"s", u"d", u"m", u"u"};
}

// A recent list in the old, unescaped form: r0 (newest) to r<count - 1>.
std::string oldRecentFile(int count) {
  std::string text = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root>\r";
  for (int i = 0; i < count; ++i) {
    std::string id = "r" + std::to_string(i);
    text += "<Item id= \"" + id + "\"><Name>n" + id + "</Name><Spec>s</Spec><Detail>d</Detail><Mfrs>m</Mfrs>"
            "<Url>u</Url><Path>/lib/" + id + "</Path></Item>\r";
  }
  return text + "</root>\r";
}

struct Writer {
  PathList paths;
  UserBlockEdits edits;
  RecentList recent;
};

// The saves of the table never wait for the lock: another program holds it or nobody does.
constexpr SaveTime kSave{0, false};
constexpr SaveTime kLastSave{0, true};

struct Row {
  const char* name;
  std::string userFile;    // UserBlock.xml before the steps; none when empty
  std::string recentFile;  // RecentlyUse.xml before the steps
  // "A load", "A add PATH", "A delete PATH", "A choose ID", "A save", "A end" (its last save),
  // "A sees PATH" / "A lacks PATH" (what A holds); another program: "X lock", "X unlock", "X pending N" (files
  // beside each list).
  std::vector<std::string> steps;
  Texts userBlocks;        // UserBlock.xml afterwards, as a gallery loads it
  Texts recentHead;        // the first ids of RecentlyUse.xml afterwards
  size_t recentCount;
  int keptCopies;          // UserBlock.xml.unreadable-* files
};

const std::string kTwoRoots = "<root><Item>/a.dwg</Item></root><root><Item>/b.dwg</Item></root>";
const std::string kStrayEndTag = "<root><Item>/a.dwg</Item></Items><Item>/b&amp;c.dwg</Item></root>";

const Row kRows[] = {
    {"each adds one, B closes last", "", "",
     {"A load", "B load", "A add /x.dwg", "A save", "B add /y.dwg", "B save"},
     {u"/x.dwg", u"/y.dwg"}, {}, 0, 0},
    {"each adds one, A closes last", "", "",
     {"A load", "B load", "B add /y.dwg", "A add /x.dwg", "B save", "A save", "A sees /y.dwg"},
     {u"/x.dwg", u"/y.dwg"}, {}, 0, 0},
    {"a deletion here and an addition there", "", "",
     {"A load", "A add /p.dwg", "A add /q.dwg", "A save", "B load", "A delete /p.dwg", "B add /r.dwg",
      "B save", "A save", "B load", "B save"},
     {u"/q.dwg", u"/r.dwg"}, {}, 0, 0},
    {"a saved edit is not applied again", "", "",
     {"A load", "B load", "A add /p.dwg", "A save", "B delete /p.dwg", "B save", "A save"},
     {}, {}, 0, 0},
    {"the later of add and delete counts", "", "",
     {"A load", "A add /p.dwg", "A delete /p.dwg", "A add /q.dwg", "A delete /q.dwg", "A add /q.dwg", "A save"},
     {u"/q.dwg"}, {}, 0, 0},
    {"choices go first, newest first, cut to 500", "", oldRecentFile(600),
     {"A load", "B load", "A choose r10", "A choose m1", "B choose m2", "A save", "B save"},
     {}, {u"m2", u"m1", u"r10", u"r0", u"r1"}, 500, 0},
    {"a second root is read and the unreadable file kept once", kTwoRoots, "",
     {"A load", "A sees /b.dwg", "A add /c.dwg", "A save", "A add /d.dwg", "A save"},
     {u"/a.dwg", u"/b.dwg", u"/c.dwg", u"/d.dwg"}, {}, 0, 1},
    {"a stray end tag", kStrayEndTag, "",
     {"A load", "B load", "A delete /a.dwg", "A save", "B save"},
     {u"/b&c.dwg"}, {}, 0, 1},
    {"names with references survive a save and a load", "", "",
     {"A load", "A add /x&y.dwg", "A add /a<b>.dwg", "A add /x&amp;y.dwg", "A add /&#65;.dwg", "A save",
      "A choose &amp;<&#65;>", "A save"},
     {u"/&#65;.dwg", u"/a<b>.dwg", u"/x&amp;y.dwg", u"/x&y.dwg"}, {u"&amp;<&#65;>"}, 1, 0},
    {"without the lock a save keeps its edits for the next", "", "",
     {"A load", "A add /x.dwg", "A choose m1", "X lock", "A save", "X pending 0", "X unlock", "B load",
      "B lacks /x.dwg", "B add /y.dwg", "B save", "A save", "A sees /y.dwg"},
     {u"/x.dwg", u"/y.dwg"}, {u"m1"}, 1, 0},
    {"without the lock the last save leaves a pending file the next save merges",
     "<root><Item>/q.dwg</Item></root>", "",
     {"A load", "B load", "A add /x.dwg", "A delete /q.dwg", "A choose m1", "X lock", "A end", "X pending 1",
      "B add /z.dwg", "B choose m2", "B end", "X pending 2", "X unlock", "C load", "C add /y.dwg", "C save",
      "X pending 0"},
     {u"/x.dwg", u"/y.dwg", u"/z.dwg"}, {u"m2", u"m1"}, 2, 0},
};

size_t pendingFiles(const std::u16string& root, const char* list) {
  size_t n = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(root))) {
    const std::string name = entry.path().filename().string();
    n += name.starts_with(list) && name.ends_with(".pending");
  }
  return n;
}

Texts recentIds(const std::u16string& root, size_t count, size_t& total) {
  BlockList loaded;
  loadRecentBlocks(root, loaded);
  total = loaded.size();
  Texts ids;
  for (size_t i = 0; i < loaded.size() && i < count; ++i) {
    EXPECT_EQ(loaded[i], block(loaded[i].id)) << "every value of " << base::toUtf8(loaded[i].id);
    ids.push_back(loaded[i].id);
  }
  return ids;
}

int keptCopies(const std::u16string& root) {
  int n = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(root))) {
    n += entry.path().filename().string().rfind("UserBlock.xml.unreadable-", 0) == 0;
  }
  return n;
}

void play(const std::u16string& root, std::map<char, Writer>& writers, std::unique_ptr<base::NamedLock>& other,
          const std::string& step) {
  std::istringstream words(step);
  std::string who, verb, argument;
  words >> who >> verb;
  std::getline(words >> std::ws, argument);
  Writer& w = writers[who[0]];
  const std::u16string arg = base::fromUtf8(argument);
  if (who == "X") {
    if (verb == "lock") other = std::make_unique<base::NamedLock>(kListsLockName, 0);
    if (verb == "lock") ASSERT_TRUE(other->held());
    if (verb == "unlock") other.reset();
    if (verb == "pending") EXPECT_EQ(pendingFiles(root, "UserBlock.xml."), std::stoul(argument));
    if (verb == "pending") EXPECT_EQ(pendingFiles(root, "RecentlyUse.xml."), std::stoul(argument));
  } else if (verb == "load") {
    w = Writer{};
    loadUserBlocks(root, w.paths);
    w.recent.load(root);
  } else if (verb == "add") {
    w.edits.add({arg});
  } else if (verb == "delete") {
    w.edits.remove(arg);
  } else if (verb == "choose") {
    w.recent.choose(block(arg));
  } else if (verb == "save" || verb == "end") {
    const SaveTime when = verb == "end" ? kLastSave : kSave;
    if (saveUserBlocks(root, w.edits, when, &w.paths) != SaveOutcome::Kept) w.edits = {};
    w.recent.save(root, when);
  } else if (verb == "sees") {
    EXPECT_NE(std::find(w.paths.begin(), w.paths.end(), arg), w.paths.end()) << argument;
  } else if (verb == "lacks") {
    EXPECT_EQ(std::find(w.paths.begin(), w.paths.end(), arg), w.paths.end()) << argument;
  } else {
    FAIL() << "no such step: " << step;
  }
}

}  // namespace

TEST(SharedLists, EveryWriterKeepsItsOwnChangesAndNothingElseIsLost) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    TempFolder root;
    if (!row.userFile.empty()) writeFile(root.file(u"UserBlock.xml"), std::string_view(row.userFile));
    if (!row.recentFile.empty()) writeFile(root.file(u"RecentlyUse.xml"), std::string_view(row.recentFile));
    std::map<char, Writer> writers;
    std::unique_ptr<base::NamedLock> other;
    for (const std::string& step : row.steps) play(root.path(), writers, other, step);

    PathList userBlocks;
    EXPECT_TRUE(loadUserBlocks(root.path(), userBlocks));
    EXPECT_EQ(userBlocks, row.userBlocks);
    size_t total = 0;
    EXPECT_EQ(recentIds(root.path(), row.recentHead.size(), total), row.recentHead);
    EXPECT_EQ(total, row.recentCount);
    EXPECT_EQ(keptCopies(root.path()), row.keptCopies);
    if (row.keptCopies > 0) {
      for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(root.path()))) {
        if (entry.path().filename().string().rfind("UserBlock.xml.unreadable-", 0) != 0) continue;
        EXPECT_EQ(readBytes(base::fromUtf8(entry.path().string())), row.userFile);
      }
    }
  }
}

TEST(SharedLists, OldUnescapedFilesReadAsBefore) {
  TempFolder root;
  writeFile(root.file(u"RecentlyUse.xml"),
            std::string_view("<root><Item id= \"x&amp;y\"><Name>a&amp;b</Name><Spec>&#65;</Spec><Detail>d</Detail>"
                             "<Mfrs>m</Mfrs><Url>u</Url><Path>/p&q</Path></Item></root>"));
  writeFile(root.file(u"UserBlock.xml"), std::string_view("<root><Item>/p&q&amp;r.dwg</Item></root>"));
  BlockList recent;
  EXPECT_TRUE(loadRecentBlocks(root.path(), recent));
  ASSERT_EQ(recent.size(), 1u);
  EXPECT_EQ(recent[0].id, u"x&amp;y");
  EXPECT_EQ(recent[0].name, u"a&amp;b");
  EXPECT_EQ(recent[0].spec, u"&#65;");
  EXPECT_EQ(recent[0].folder, u"/p&q");
  PathList paths;
  EXPECT_TRUE(loadUserBlocks(root.path(), paths));
  EXPECT_EQ(paths, (PathList{u"/p&q&r.dwg"}));
}

TEST(SharedLists, AFileThatCannotBeKeptAsideIsNotReplaced) {
  TempFolder root;
  writeFile(root.file(u"UserBlock.xml"), std::string_view(kTwoRoots));
  PathList paths;
  EXPECT_FALSE(loadUserBlocks(root.path(), paths));
  EXPECT_EQ(paths, (PathList{u"/a.dwg", u"/b.dwg"}));
  // Every name a copy could be kept under today holds something else already.
  const std::u16string stem = root.file(u"UserBlock.xml.unreadable-") + base::localDate();
  writeFile(stem, std::string_view("other"));
  for (int n = 2; n <= 100; ++n) writeFile(stem + u"-" + base::decimal(n), std::string_view("other"));
  EXPECT_EQ(saveUserBlocks(root.path(), UserBlockEdits{{u"/c.dwg"}, {}}), SaveOutcome::Kept);
  EXPECT_EQ(readBytes(root.file(u"UserBlock.xml")), kTwoRoots);
}
