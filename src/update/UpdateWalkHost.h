// What the update walk needs from its dialog and the main window. On Windows this is the update
// dialog; tests use a recording fake.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "library/Records.h"
#include "update/FetchWorker.h"

namespace update {

class UpdateWalkHost {
public:
  virtual ~UpdateWalkHost() = default;
  // The main window's category table; it does not change while a walk's chain of steps runs.
  virtual const library::CategoryTable& categoryTable() const = 0;
  // Posts the gallery command message with wParam 0 and lParam step to the dialog itself.
  virtual void postStep(int32_t step) = 0;
  // Starts a fetch worker for the order with the dialog as its window: its completion goes there.
  virtual void startFetch(FetchOrder order) = 0;
  virtual void setStatus(const std::u16string& text) = 0;
  virtual void redrawStatus() = 0;  // at once, not at the next paint
  virtual void setBar(uint32_t percent) = 0;
  virtual void redrawBar() = 0;
  // Tells the main window that downloads arrived, so that it reads the library lists again.
  virtual void requestReload() = 0;
  // One line for the debugger output.
  virtual void writeDebugLine(std::u16string_view line) = 0;
};

}  // namespace update
