#include "update/IndexRefresh.h"

#include "update/HttpSourceWinInet.h"

namespace update {

void startSilentIndexRefresh(const std::u16string& libraryBaseUrl, const std::u16string& dataRoot) {
  startSilentIndexRefresh(libraryBaseUrl, dataRoot, winInetFetchServices());
}

}  // namespace update
