// The silent refresh of the category index shortly after the main window opens: one fetch worker
// with no window replaces the library's InkCasket.xml when the server delivers a whole copy that
// reads as markup. It is asked for with the validators it came with, kept in the update record. The window goes on with the index it has read; the new one counts from the next
// rebuild.
#pragma once
#include <string>

#include "update/FetchWorker.h"

namespace update {

// libraryBaseUrl + "/InkCasket.xml" into dataRoot's InkCasket.xml, reported to nobody.
FetchOrder indexRefreshOrder(const std::u16string& libraryBaseUrl, const std::u16string& dataRoot);

// Starts the worker and returns at once.
void startSilentIndexRefresh(const std::u16string& libraryBaseUrl, const std::u16string& dataRoot,
                             FetchServices services);

// The program's own: over WinINet. Defined only in the Windows build.
void startSilentIndexRefresh(const std::u16string& libraryBaseUrl, const std::u16string& dataRoot);

}  // namespace update
