// What the command line and the hosts tell the gallery: the host windows and two flags.
// One record per process; the main window and its model read and change it on the UI thread.
#pragma once
#include <cstdint>

namespace gallery {

// A window handle as the hosts pass it: a 32-bit number, 0 for none.
using WindowNumber = int32_t;

struct AppState {
  WindowNumber arxHostWindow = 0;   // after "arx show"; changed by command code 1
  WindowNumber drawHostWindow = 0;  // after "MN"; changed by command code 9
  bool ldFlag = false;              // "LD": Draftwell hand-offs carry 10 instead of 9
  bool mnFlag = false;              // "MN"

  bool hosted() const { return arxHostWindow != 0 || drawHostWindow != 0; }
};

// Window handles travel in a 64-bit message argument; handles keep their meaning in the low 32 bits.
inline WindowNumber windowNumberOf(uint64_t argument) {
  return static_cast<WindowNumber>(static_cast<uint32_t>(argument));
}

}  // namespace gallery
