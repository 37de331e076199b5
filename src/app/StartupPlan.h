// What a start of the gallery does, decided from the command line alone (the text after the
// program name). The Windows side carries the plan out: it asks Kestrun.dll, owns or finds the
// single-instance event, sends the forwarded commands, or runs the main window.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "gallery/AppState.h"

namespace app {

inline constexpr char16_t kInstanceEventName[] = u"KVRBLOCKERY20110719";

// One gallery command message for the running gallery: code in lParam, argument in wParam.
struct ForwardedCommand {
  uint64_t argument = 0;
  int64_t code = 0;
  bool operator==(const ForwardedCommand&) const = default;
};

enum class StartupRoad {
  Draftwell,       // run a gallery of its own; no single-instance event
  SingleInstance,  // own the event, or forward to the running ARX-hosted gallery
};

struct StartupPlan {
  // Empty command line: Kestrun.dll's openCAD is asked first; true ends the process.
  bool askCompanion = false;
  StartupRoad road = StartupRoad::SingleInstance;

  // When another gallery owns the event and its window is found: sent in this order, then the
  // wait, then this process ends.
  std::vector<ForwardedCommand> forwards;
  uint32_t waitAfterForwardMs = 0;

  // As the first instance (or on the Draftwell road): the state the main window starts with, or
  // an end without a window when there is nothing to close or hide.
  gallery::AppState state;
  bool endAsFirstInstance = false;
};

StartupPlan planStartup(std::u16string_view commandLine);

}  // namespace app
