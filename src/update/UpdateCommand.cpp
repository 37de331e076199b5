#include "update/UpdateCommand.h"

namespace update {

void runUpdateCommand(UpdateCommandHost& host) {
  // Only the root row: no specialty is chosen, so there is nothing to walk yet.
  if (host.categoryRowCount() < 2) {
    host.runAddMore();
    return;
  }
  if (host.runUpdateDialog() > 0) host.requestReload();
}

}  // namespace update
