#include "library/UserBlockFile.h"

#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/NamedLock.h"
#include "base/Path.h"
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

std::optional<PathList> saveUserBlocks(const std::u16string& dataRoot, const UserBlockEdits& edits) {
  base::NamedLock lock(kListsLockName);
  const std::u16string file = base::joinPath(dataRoot, kUserBlockFile);
  if (lock.held()) base::files::removeEndedScratch(file);
  PathList fromFile;
  if (!readUserBlockFile(file, fromFile) && !keepUnreadableList(file)) return std::nullopt;
  PathList merged = mergedUserBlocks(std::move(fromFile), edits);
  if (!writeWholeTextFile(file, userBlocksText(merged))) return std::nullopt;
  return merged;
}

}  // namespace library
