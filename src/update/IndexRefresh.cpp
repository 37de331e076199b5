#include "update/IndexRefresh.h"

#include <utility>

#include "base/Files.h"
#include "base/Path.h"
#include "library/PathsAndSettings.h"
#include "update/UpdateRecord.h"

namespace update {

FetchOrder indexRefreshOrder(const std::u16string& libraryBaseUrl, const std::u16string& dataRoot) {
  FetchOrder order{libraryBaseUrl + u"/" + library::kIndexFile, base::joinPath(dataRoot, library::kIndexFile), nullptr};
  order.recordRoot = dataRoot;
  // Asked for only when it changed since it was fetched; an index from elsewhere (the program's
  // default copy) has no record and is fetched whole.
  UpdateRecord record(dataRoot);
  const FileSource* recorded = record.find(order.localPath);
  if (recorded && base::files::exists(order.localPath)) order.validators = {recorded->etag, recorded->lastModified};
  return order;
}

void startSilentIndexRefresh(const std::u16string& libraryBaseUrl, const std::u16string& dataRoot,
                             FetchServices services) {
  startFetchWorker(indexRefreshOrder(libraryBaseUrl, dataRoot), std::move(services));
}

}  // namespace update
