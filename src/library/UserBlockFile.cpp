#include "library/UserBlockFile.h"

#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/Path.h"
#include "library/ListSaving.h"
#include "library/PathsAndSettings.h"
#include "library/TextFile.h"
#include "library/UnreadableList.h"
#include "markup/MarkupDocument.h"
#include "markup/MarkupText.h"

namespace library {

namespace {

// True when the file is missing or read whole.
bool readUserBlockFile(const std::u16string& file, PathList& paths) {
  if (!base::files::exists(file)) return true;
  markup::MarkupDocument document;
  if (!document.loadFile(file)) {
    base::logFailure(u"read " + file + u": " + document.report());
    return false;
  }
  // The empty file of a first start is an empty list, not a broken one.
  const bool whole = document.text().find_first_not_of(u" \t\r\n") == std::u16string::npos || document.parse();
  while (document.nextElement(u"root"))
    while (document.nextChildElement(u"Item")) paths.push_back(document.childText());
  if (!whole) base::logFailure(u"parse " + file + u": " + document.report());
  return whole;
}

// A pending file: the paths added as <Item>, those deleted as <Deleted>, in one root.
std::u16string pendingEditsText(const UserBlockEdits& edits) {
  std::u16string text = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root>\r";
  for (const std::u16string& path : edits.added)
    text.append(u"<Item>").append(markup::text::encoded(path, false, false)).append(u"</Item>\r");
  for (const std::u16string& path : edits.deleted)
    text.append(u"<Deleted>").append(markup::text::encoded(path, false, false)).append(u"</Deleted>\r");
  return text + u"</root>\r";
}

// True when read whole; a file half read is left for a later save.
bool readPendingEdits(const std::u16string& file, UserBlockEdits& edits) {
  markup::MarkupDocument document;
  if (!document.loadFile(file) || !document.parse()) {
    base::logFailure(u"read " + file + u": " + document.report());
    return false;
  }
  while (document.nextElement(u"root")) {
    while (document.nextChildElement()) {
      const std::u16string name = document.tagName(document.childPosition());
      if (name == u"Item") edits.add({document.childText()});
      if (name == u"Deleted") edits.remove(document.childText());
    }
  }
  return true;
}

}  // namespace

bool loadUserBlocks(const std::u16string& dataRoot, PathList& userBlockPaths) {
  const std::u16string file = base::joinPath(dataRoot, kUserBlockFile);
  // Only a file that is not there is made: one another gallery just wrote stays whole.
  if (base::files::createNew(file)) return true;
  return readUserBlockFile(file, userBlockPaths);
}

std::u16string userBlocksText(const PathList& userBlockPaths) {
  std::u16string text = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r<root>\r";
  for (const std::u16string& path : userBlockPaths) {
    text.append(u"<Item>").append(markup::text::encoded(path, false, false)).append(u"</Item>\r");
  }
  text += u"</root>\r";
  return text;
}

SaveOutcome saveUserBlocks(const std::u16string& dataRoot, const UserBlockEdits& edits, SaveTime when,
                           PathList* inFile) {
  const std::u16string file = base::joinPath(dataRoot, kUserBlockFile);
  PathList merged;
  ListSaveSteps steps{
      [&] { return readUserBlockFile(file, merged) || keepUnreadableList(file); },
      [&](const std::u16string& pending) {
        UserBlockEdits editsThere;
        if (!readPendingEdits(pending, editsThere)) return false;
        merged = mergedUserBlocks(std::move(merged), editsThere);
        return true;
      },
      [&] { return writeWholeTextFile(file, userBlocksText(merged = mergedUserBlocks(std::move(merged), edits))); },
      [&](const std::u16string& pending) { return writeWholeTextFile(pending, pendingEditsText(edits)); }};
  SaveOutcome outcome = saveSharedList(file, when, steps);
  if (outcome == SaveOutcome::Written && inFile) *inFile = std::move(merged);
  return outcome;
}

}  // namespace library
