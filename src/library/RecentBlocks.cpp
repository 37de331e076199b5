#include "library/RecentBlocks.h"

#include <algorithm>

#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/Path.h"
#include "library/ListMerge.h"
#include "library/ListSaving.h"
#include "library/PathsAndSettings.h"
#include "library/TextFile.h"
#include "library/UnreadableList.h"
#include "markup/MarkupDocument.h"
#include "markup/MarkupText.h"

namespace library {

namespace {

constexpr char16_t kEscapedRoot[] = u"<root escaped=\"1\">";

std::u16string escaped(const std::u16string& value) { return markup::text::encoded(value, false, false); }

void decodeValues(BlockList& blocks, size_t from) {
  for (size_t i = from; i < blocks.size(); ++i) {
    BlockRecord& b = blocks[i];
    for (std::u16string* value : {&b.folder, &b.id, &b.name, &b.spec, &b.detail, &b.mfrs, &b.url}) {
      std::u16string decoded;
      markup::text::appendDecoded(decoded, *value, 0);
      *value = std::move(decoded);
    }
  }
}

// The file is scanned as text, as before; the markup parse only judges whether it is whole. A
// file that is not is scanned through, past its first "</root>", for every item it holds.
bool readRecentFile(const std::u16string& file, BlockList& recent) {
  if (!base::files::exists(file)) return true;
  markup::MarkupDocument document;
  if (!document.loadFile(file)) {
    base::logFailure(u"read " + file + u": " + document.report());
    return false;
  }
  const size_t from = recent.size();
  const bool whole = document.text().find_first_not_of(u" \t\r\n") == std::u16string::npos || document.parse();
  const std::u16string text = whole ? readWholeTextFile(file) : document.takeText();
  scanItemListWithPath(text, recent);
  if (text.find(kEscapedRoot) != std::u16string::npos) decodeValues(recent, from);
  if (!whole) base::logFailure(u"parse " + file + u": " + document.report());
  return whole;
}

}  // namespace

bool loadRecentBlocks(const std::u16string& dataRoot, BlockList& recent) {
  return readRecentFile(base::joinPath(dataRoot, kRecentFile), recent);
}

void recordRecentBlock(BlockList& recent, const BlockRecord& block) {
  auto same = std::find_if(recent.begin(), recent.end(), [&](const BlockRecord& r) { return r.id == block.id; });
  if (same != recent.end()) recent.erase(same);
  recent.insert(recent.begin(), block);
}

std::u16string recentBlocksText(const BlockList& recent) {
  std::u16string text = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r";
  text.append(kEscapedRoot).append(u"\r");
  size_t count = std::min(recent.size(), kMaxSavedBlocks);
  for (size_t i = 0; i < count; ++i) {
    const BlockRecord& b = recent[i];
    text.append(u"<Item id= \"").append(escaped(b.id)).append(u"\"><Name>").append(escaped(b.name));
    text.append(u"</Name><Spec>").append(escaped(b.spec)).append(u"</Spec><Detail>").append(escaped(b.detail));
    text.append(u"</Detail><Mfrs>").append(escaped(b.mfrs)).append(u"</Mfrs><Url>").append(escaped(b.url));
    text.append(u"</Url><Path>").append(escaped(b.folder)).append(u"</Path></Item>\r");
  }
  text += u"</root>\r";
  return text;
}

SaveOutcome saveRecentBlocks(const std::u16string& dataRoot, const BlockList& chosen, SaveTime when,
                             BlockList* inFile) {
  const std::u16string file = base::joinPath(dataRoot, kRecentFile);
  BlockList merged;
  ListSaveSteps steps{
      [&] { return readRecentFile(file, merged) || keepUnreadableList(file); },
      [&](const std::u16string& pending) {
        BlockList chosenThere;
        if (!readRecentFile(pending, chosenThere)) return false;
        merged = mergedRecentBlocks(merged, chosenThere);
        return true;
      },
      [&] { return writeWholeTextFile(file, recentBlocksText(merged = mergedRecentBlocks(merged, chosen))); },
      [&](const std::u16string& pending) { return writeWholeTextFile(pending, recentBlocksText(chosen)); }};
  SaveOutcome outcome = saveSharedList(file, when, steps);
  if (outcome == SaveOutcome::Written && inFile) *inFile = std::move(merged);
  return outcome;
}

}  // namespace library
