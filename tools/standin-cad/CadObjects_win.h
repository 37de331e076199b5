// The stand-in's automation objects, written by hand with no type library, as a CAD program's
// look from outside: Application with ActiveDocument and HWND, Document with SendCommand. Every
// member asked for is logged ("get HWND", "command TEXT", "unknown NAME"); escape characters and
// carriage returns in a command are logged as <esc> and <cr>, so each command stays one line.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <cstdio>

namespace standin {

struct CadState {
  std::FILE* log;
  HWND window;
  int rejectsLeft;  // SendCommand answers RPC_E_CALL_REJECTED this many times first
};

// A new Application object holding one reference.
IDispatch* makeApplication(CadState& state);

}  // namespace standin
