// Blockery.exe: the gallery program.
#include <windows.h>

#include "app/BlockeryApp_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  app::CBlockeryApp application;
  return application.run();
}
