#include "update/IndexRefresh.h"

#include <utility>

#include "base/Path.h"
#include "library/PathsAndSettings.h"

namespace update {

FetchOrder indexRefreshOrder(const std::u16string& libraryBaseUrl, const std::u16string& dataRoot) {
  return FetchOrder{libraryBaseUrl + u"/" + library::kIndexFile, base::joinPath(dataRoot, library::kIndexFile),
                    nullptr};
}

void startSilentIndexRefresh(const std::u16string& libraryBaseUrl, const std::u16string& dataRoot,
                             FetchServices services) {
  startFetchWorker(indexRefreshOrder(libraryBaseUrl, dataRoot), std::move(services));
}

}  // namespace update
