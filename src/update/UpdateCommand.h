// The main window's update command ("更新", the empty-library prompt, "添加更多" after a new
// specialty): the progress dialog when there is something to walk, else the specialty choice.
#pragma once
#include <cstddef>
#include <cstdint>

namespace update {

class UpdateCommandHost {
public:
  virtual ~UpdateCommandHost() = default;
  virtual size_t categoryRowCount() const = 0;
  // The "添加更多" operation: the specialty selection dialog and what follows it.
  virtual void runAddMore() = 0;
  // Runs the update dialog modally; returns its downloadedCount once it has closed.
  virtual int32_t runUpdateDialog() = 0;
  // Starts the main window's timer 1001 (300 ms), which rebuilds the library lists.
  virtual void requestReload() = 0;
};

void runUpdateCommand(UpdateCommandHost& host);

}  // namespace update
