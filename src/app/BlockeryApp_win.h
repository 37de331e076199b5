// Windows side. CBlockeryApp, the application object: reads the command line, keeps one
// ARX-hosted gallery by a named event, forwards a second start's request to the running gallery,
// and otherwise runs the main window modally. The process ends when it returns.
#pragma once
#include <windows.h>

#include "app/StartupPlan.h"
#include "gallery/AppState.h"
#include "win/KernelHandle.h"

namespace app {

class CBlockeryApp {
public:
  // InitInstance, then ExitInstance; the process's exit code.
  int run();

  // The whole start-up road, including the modal main window. Always false: nothing runs after.
  bool InitInstance();
  int ExitInstance();

private:
  // True when another gallery took the request (this process then ends without a window).
  bool forwardToRunningGallery(const StartupPlan& plan);
  void runGallery();

  gallery::AppState state_;
  win::KernelHandle instanceEvent_;
  ULONG_PTR gdiplusToken_ = 0;
  bool oleReady_ = false;  // OleInitialize succeeded, so OleUninitialize is owed
};

}  // namespace app
