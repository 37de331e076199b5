#include "thumbs/BlockTransfer_win.h"

#include "base/FailureLog.h"
#include "thumbs/BlockDataObject_win.h"

namespace thumbs {

// The formats are rendered at once, so the clipboard keeps the block after the gallery ends.
bool copyBlockToClipboard(HWND owner, const std::u16string& path) {
  if (!OpenClipboard(owner)) {
    base::logFailure(u"open the clipboard", GetLastError());
    return false;
  }
  EmptyClipboard();
  const std::pair<UINT, DropBytes> formats[] = {{CF_HDROP, dropFilesBytes({path})},
                                                {fileNameFormat(), fileNameBytes(path)}};
  for (const auto& [format, bytes] : formats) {
    HGLOBAL memory = globalFromBytes(bytes);
    if (memory && !SetClipboardData(format, memory)) {
      base::logFailure(u"put a block on the clipboard", GetLastError());
      GlobalFree(memory);
    }
  }
  CloseClipboard();
  return true;
}

}  // namespace thumbs
